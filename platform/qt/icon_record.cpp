#include "platform/qt/icon_record.h"

#include <memory>

#include "platform/qt/handles.h"

namespace platform::qt {

namespace {

HandleTable<HICON, IconRecord>& Icons() {
  static HandleTable<HICON, IconRecord> icons;
  return icons;
}

}  // namespace

HICON AddIcon(const IconRecord& icon) {
  return Icons().Add(std::make_unique<IconRecord>(icon));
}

const IconRecord* Icon(HICON hIcon) {
  return Icons().Find(hIcon);
}

}  // namespace platform::qt
