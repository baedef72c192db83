#pragma once

#include "platform/win_types.h"

namespace platform::detail {

// A key pressed anywhere in a running dialog (a virtual key, 'O' or VK_INSERT): when the
// dialog's template gives it a command, the dialog gets that command as an accelerator sends
// it (WM_COMMAND, code 1), and the key goes no further: true.
bool RunAccelerator(HWND dialog, UINT key, bool control, bool shift);

}  // namespace platform::detail
