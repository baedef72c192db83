#include "platform/qt/notify.h"

#include "platform/qt/window_record.h"
#include "platform/user32.h"

namespace platform::qt {

void NotifyCommand(HWND control, UINT code) {
  const WindowRecord* record = Window(control);
  if (record == nullptr) {
    return;
  }
  SendMessageA(record->parent, WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(record->id), static_cast<WORD>(code)),
               reinterpret_cast<LPARAM>(control));
}

namespace {

const NMHDR* g_delivering = nullptr;

}  // namespace

void NotifyHeader(HWND control, UINT code) {
  const WindowRecord* record = Window(control);
  if (record == nullptr) {
    return;
  }
  NMHDR header{control, record->id, code};
  const NMHDR* const outer = g_delivering;
  g_delivering = &header;
  SendMessageA(record->parent, WM_NOTIFY, record->id, reinterpret_cast<LPARAM>(&header));
  g_delivering = outer;
}

bool IsHeaderBeingDelivered(const void* address) {
  return address != nullptr && address == g_delivering;
}

}  // namespace platform::qt
