#pragma once

#include "platform/win_types.h"

// The window that holds the mouse: from a left press on it to the release, wherever that
// happens. What GetCapture reports.
namespace platform::qt {

void HoldMouse(HWND hWnd);
// Lets go when `hWnd` holds the mouse; also when its window goes.
void LetGoOfMouse(HWND hWnd);
// The live window that holds the mouse, or null.
HWND MouseHolder();

}  // namespace platform::qt
