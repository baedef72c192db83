#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"

// What only the Win32 backend's tests and driver do: act from the modal loops and find the
// windows Windows itself shows.

// Runs `steps` from the message loop that runs now (a dialog's, a message box's or a menu's) as
// soon as `ready` holds.
void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps);

// A message box this thread shows, or null.
HWND FindMessageBox();
// The text a message box shows.
std::string MessageBoxText(HWND box);

// The popup menu shown now, or null.
HWND FindPopupMenu();
