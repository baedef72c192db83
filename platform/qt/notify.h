#pragma once

#include "platform/win_types.h"

namespace platform::qt {

// Sends WM_COMMAND with the code from a control to its dialog.
void NotifyCommand(HWND control, UINT code);
// Sends WM_NOTIFY with the code from a control to its dialog.
void NotifyHeader(HWND control, UINT code);
// Whether the header at `address` is one NotifyHeader is delivering now: known to be readable.
bool IsHeaderBeingDelivered(const void* address);

}  // namespace platform::qt
