#pragma once

#include <string>

#include "platform/win_types.h"

// What the Win32-only tests share with the dialog driver.

std::string WindowText(HWND window);
// Posts one input message to the window and handles all that follows as its dialog's own loop
// does, as before a person's next key or button.
void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
