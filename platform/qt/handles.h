#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

// The one way this backend makes handles: every window, bitmap, icon and device context is
// named by a serial number that is never used again. A handle whose object is gone stays dead,
// and a stale handle never comes to name a newer object.
namespace platform::qt {

std::uintptr_t NextHandleNumber();

// The records behind one kind of handle.
template <class Handle, class Record>
class HandleTable {
 public:
  Handle Add(std::unique_ptr<Record> record) {
    const std::uintptr_t number = NextHandleNumber();
    m_records.emplace(number, std::move(record));
    return reinterpret_cast<Handle>(number);
  }
  // The live record, or null for a null, dead or foreign handle.
  Record* Find(Handle handle) const {
    const auto found = m_records.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == m_records.end() ? nullptr : found->second.get();
  }
  bool Remove(Handle handle) {
    return m_records.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0;
  }

 private:
  std::unordered_map<std::uintptr_t, std::unique_ptr<Record>> m_records;
};

}  // namespace platform::qt
