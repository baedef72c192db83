#include "platform/qt/window_record.h"

#include "platform/qt/handles.h"

namespace platform::qt {

namespace {

HandleTable<HWND, WindowRecord>& Windows() {
  static HandleTable<HWND, WindowRecord> windows;
  return windows;
}

}  // namespace

HWND AddWindow(std::unique_ptr<WindowRecord> record) {
  return Windows().Add(std::move(record));
}

void RemoveWindow(HWND hWnd) {
  Windows().Remove(hWnd);
}

WindowRecord* Window(HWND hWnd) {
  return Windows().Find(hWnd);
}

QWidget* WidgetOf(HWND hWnd) {
  const WindowRecord* record = Window(hWnd);
  return record != nullptr ? record->widget : nullptr;
}

}  // namespace platform::qt
