#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "logic/entity_text.h"
#include "platform/cwnd.h"

// What the helpers share when a map maker pastes into them: the clipboard's text, the values of
// their keys in it, and the refusals, each said in a message box over the dialog.

// The clipboard's text; nothing, after saying why, when it holds no text or is busy.
std::optional<std::string> PastedText(CWnd& dialog);

// The values `keys` have in the text; nothing, after saying so, when it gives a key two values.
std::optional<KeyValues> PastedValues(CWnd& dialog, const std::string& text,
                                      std::span<const std::string_view> keys);

// Refuses a value as the key's: "Not a valid classes value: " and the value as pasted (its start,
// control characters shown as '?'), then `hint`.
void RefuseValue(CWnd& dialog, std::string_view key, const std::string& value,
                 std::string_view hint);
