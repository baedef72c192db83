#pragma once

#include "cstring.h"
#include "win_types.h"

// The text on the clipboard, as 8-bit text: the layer's stand-in for OpenClipboard,
// GetClipboardData(CF_TEXT) and CloseClipboard. FALSE, with an empty text, when it holds none.
BOOL GetClipboardTextA(CString& rText);
