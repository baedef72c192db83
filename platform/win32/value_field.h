#pragma once

#include "platform/resource_table.h"

namespace platform::win32 {

// Gives the dialog's read-only edit boxes (its value fields) what the layer adds to them: Copy,
// by key (Ctrl+C, Ctrl+Insert) or from their context menu, takes the whole value when nothing
// is selected; and in those whose template item takes pasted values, Ctrl+V, Shift+Insert,
// WM_PASTE and the menu's "Paste Value" send the dialog WM_COMMAND with
// platform::kPasteValueNotification. Other read-only boxes ignore pastes, as Windows' own do.
void SubclassValueFields(HWND dialog, const DialogTemplate& dialogTemplate);

}  // namespace platform::win32
