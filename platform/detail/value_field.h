#pragma once

#include <optional>

#include "platform/win_types.h"

// What a value field (a read-only edit box of a dialog) does with the user's copy and paste,
// the same on every backend: the backend turns its keys and its context menu request into these
// calls, and answers WM_COPY, WM_PASTE, EM_GETSEL and EM_SETSEL for the field.
namespace platform::detail {

enum class ValueFieldCommand { kCopy, kPaste, kSelectAll };

// The command a key gives in a value field: Ctrl+C and Ctrl+Insert copy; Ctrl+V and Shift+Insert
// paste in a field that takes pastes. `key` is a virtual key ('C', 'V', VK_INSERT).
std::optional<ValueFieldCommand> ValueFieldKey(UINT key, bool control, bool shift, bool takesPaste);

// Copy puts the selection, or the whole value when nothing is selected, on the clipboard, and
// leaves the clipboard as it was when the field is empty; Paste asks the field's dialog to read
// the clipboard (the layer's paste notification); Select All selects the whole value.
void RunValueFieldCommand(HWND field, ValueFieldCommand command);

// The field's context menu at `where` (screen coordinates): Copy, the paste item of a field that
// takes pastes, and Select All, each enabled when it can act; runs what the user chooses.
void ShowValueFieldMenu(HWND field, POINT where, LPCSTR pasteItem);

}  // namespace platform::detail
