#pragma once

#include <memory>
#include <vector>

#include "platform/win_types.h"

class QWidget;

namespace platform::qt {

using WindowProcedure = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// What a window handle names: the widget that is the window, and how messages reach it.
struct WindowRecord {
  QWidget* widget = nullptr;
  HWND parent = nullptr;
  UINT id = 0;
  DWORD style = 0;
  WindowProcedure procedure = nullptr;
  // A dialog's controls, in the template's order.
  std::vector<HWND> children;
  // What a static picture shows, which it owns.
  HBITMAP image = nullptr;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
};

// The registry of windows: a handle lives from AddWindow to RemoveWindow; messages to a removed
// window are dropped.
HWND AddWindow(std::unique_ptr<WindowRecord> record);
void RemoveWindow(HWND hWnd);
// The live window's record, or null.
WindowRecord* Window(HWND hWnd);
// The live window's widget, or null.
QWidget* WidgetOf(HWND hWnd);

}  // namespace platform::qt
