#include "platform/qt/mouse_capture.h"

#include "platform/qt/window_record.h"

namespace platform::qt {

namespace {

HWND g_holder = nullptr;

}  // namespace

void HoldMouse(HWND hWnd) {
  g_holder = hWnd;
}

void LetGoOfMouse(HWND hWnd) {
  if (g_holder == hWnd) {
    g_holder = nullptr;
  }
}

HWND MouseHolder() {
  return Window(g_holder) != nullptr ? g_holder : nullptr;
}

}  // namespace platform::qt
