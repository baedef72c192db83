#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"
#include "tests/support/backend_steps.h"

// What only the Win32 backend's tests and driver do: act from the modal loops and find the
// windows Windows itself shows.

// A message box this thread shows (not an open-file dialog), or null.
HWND FindMessageBox();
// The text a message box shows.
std::string MessageBoxText(HWND box);

// The popup menu shown now, or null.
HWND FindPopupMenu();

// Whether the window is an open-file dialog; one this thread shows, or null.
bool IsFileDialog(HWND window);
HWND FindFileDialog();

// Posts one input message to the window and does what its dialog's own loop does with each
// message until none is left: whatever the input caused (notifications, posted updates,
// message boxes) has been handled, as it would be before a person's next key or button.
void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
