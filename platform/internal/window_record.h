#pragma once

#include <memory>
#include <vector>

#include "platform/cwnd.h"
#include "platform/win_types.h"

class QWidget;

using WindowProcFunction = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// What a window handle points at: the Qt widget that is the window, and how messages reach it.
struct HWND__ {
  QWidget* widget = nullptr;
  HWND parent = nullptr;
  UINT id = 0;
  DWORD style = 0;
  WindowProcFunction proc = nullptr;
  // The CWnd that speaks for the window: the dialog object, or a control's wrapper.
  CWnd* wnd = nullptr;
  std::unique_ptr<CWnd> ownedWrapper;
  std::vector<std::unique_ptr<HWND__>> children;
  // What a static picture shows, which it owns.
  HBITMAP image = nullptr;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
};

// Handles stay valid only while their window exists; a message to a destroyed window is dropped.
void RegisterWindow(HWND hWnd);
void UnregisterWindow(HWND hWnd);
bool IsLiveWindow(HWND hWnd);

// Sends WM_COMMAND with the code from a control to its dialog.
void NotifyCommand(HWND control, UINT code);
// Sends WM_NOTIFY with the code from a control to its dialog.
void NotifyHeader(HWND control, UINT code);

// The control that holds the mouse: set while a button is pressed on it.
void SetCapturedWindow(HWND hWnd);
HWND CapturedWindow();
