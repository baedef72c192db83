#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"
#include "tests/support/backend_steps.h"

// What only the Win32 backend's tests and driver do: act from the modal loops and find the
// windows Windows itself shows.

// A message box this thread shows, or null.
HWND FindMessageBox();
// The text a message box shows.
std::string MessageBoxText(HWND box);

// The popup menu shown now, or null.
HWND FindPopupMenu();
