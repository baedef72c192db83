#pragma once

#include <string>

#include "platform/win_types.h"
#include "tests/support/backend_steps.h"

// What only the Win32 backend's tests and driver do: find the windows Windows itself shows, and
// hand input to a dialog as its own loop does.

std::string ClassOf(HWND window);
std::string WindowText(HWND window);

// A message box, a popup menu or an open-file dialog this thread shows now, or null.
HWND FindMessageBox();
HWND FindPopupMenu();
HWND FindFileDialog();

// Posts one input message to the window and does what its dialog's own loop does with each
// message until none is left: whatever the input caused (notifications, posted updates,
// message boxes) has been handled, as it would be before a person's next key or button.
void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
