#include "platform/detail/backend_contract.h"

namespace platform::detail {

bool IsReadableMemory(const void* address, std::size_t size) {
  constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  const auto* byte = static_cast<const BYTE*>(address);
  const BYTE* const end = byte + size;
  // Region by region: the bytes may straddle two allocations.
  while (byte != nullptr && byte < end) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(byte, &region, sizeof region) == 0 || region.State != MEM_COMMIT ||
        (region.Protect & kReadable) == 0 || (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) {
      return false;
    }
    byte = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
  }
  return address != nullptr;
}

}  // namespace platform::detail
