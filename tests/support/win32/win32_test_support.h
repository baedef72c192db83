#pragma once

#include <string>

#include "platform/win_types.h"
#include "tests/support/backend_steps.h"

// What the Win32-only tests share with the dialog driver.

std::string WindowText(HWND window);
// A message box or a popup menu this thread shows now, or null.
HWND FindMessageBox();
HWND FindPopupMenu();
// Posts one input message to the window and handles all that follows as its dialog's own loop
// does, as before a person's next key or button.
void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
