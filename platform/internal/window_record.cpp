#include "window_record.h"

#include <unordered_set>

#include "platform/user32.h"

namespace {

std::unordered_set<HWND>& LiveWindows() {
  static std::unordered_set<HWND> windows;
  return windows;
}

}  // namespace

void RegisterWindow(HWND hWnd) {
  LiveWindows().insert(hWnd);
}

void UnregisterWindow(HWND hWnd) {
  LiveWindows().erase(hWnd);
}

bool IsLiveWindow(HWND hWnd) {
  return hWnd != nullptr && LiveWindows().contains(hWnd);
}

void NotifyCommand(HWND control, UINT code) {
  SendMessageA(control->parent, WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(control->id), static_cast<WORD>(code)),
               reinterpret_cast<LPARAM>(control));
}

void NotifyHeader(HWND control, UINT code) {
  NMHDR header{control, control->id, code};
  SendMessageA(control->parent, WM_NOTIFY, control->id, reinterpret_cast<LPARAM>(&header));
}

namespace {

HWND& Captured() {
  static HWND captured = nullptr;
  return captured;
}

}  // namespace

void SetCapturedWindow(HWND hWnd) {
  Captured() = hWnd;
}

HWND CapturedWindow() {
  return IsLiveWindow(Captured()) ? Captured() : nullptr;
}
