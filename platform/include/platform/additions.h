#pragma once

#include <string>

#include "platform/win_types.h"

class CWnd;
struct ResourceTable;

// What this layer offers beyond the Win32 and class-library API it follows: services the
// program needs that Win32 lacks or spreads over many calls. None of it exists on Windows
// under these names.
namespace platform {

// The WM_COMMAND notification code a read-only edit box sends its dialog when the user asks to
// paste into it (Ctrl+V, or "Paste Value" in its context menu). Only boxes whose template item
// takes pasted values offer it.
inline constexpr UINT kPasteValueNotification = 0x0F01;

// Hands the program's resources to the layer: its dialog templates, version block and help
// texts, and its icons and bitmaps where the backend keeps no resources of its own.
void SetResourceTable(const ResourceTable* table);

// What a reading of the clipboard found.
enum class ClipboardRead {
  kText,    // text, now in `text`
  kNoText,  // nothing that is text
  kBusy,    // another program held the clipboard, or never handed its text over
};

// The clipboard's text as the program's 8-bit text: every character of it, a character that
// has no 8-bit form as '?', only NULs at its end dropped. `text` is empty unless kText.
ClipboardRead GetClipboardText(std::string& text);

// A tip shown while the mouse rests on the window; an empty text removes it.
void SetToolTip(CWnd& window, LPCSTR text);

}  // namespace platform
