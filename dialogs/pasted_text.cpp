#include "dialogs/pasted_text.h"

#include "logic/mask_value.h"
#include "platform/additions.h"

namespace {

constexpr std::size_t kShownPasteLength = 40;
// ASCII, so that it stands for itself in every code page (a byte above 0x7F may start a
// two-byte character and swallow the next).
constexpr char kShownControlCharacter = '?';

// The start of what was pasted, as a refusal quotes it: line breaks, tabs and NULs show as
// question marks, so that the quote stays on its line and whole.
std::string Quoted(const std::string& pasted) {
  std::string quoted = pasted.substr(0, kShownPasteLength);
  for (char& c : quoted) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
      c = kShownControlCharacter;
    }
  }
  return quoted;
}

}  // namespace

std::optional<std::string> PastedText(CWnd& dialog) {
  std::string pasted;
  const platform::ClipboardRead read = platform::GetClipboardText(pasted);
  if (read == platform::ClipboardRead::kBusy) {
    dialog.MessageBoxA(
        "The clipboard is in use by another program. Try the paste again in a moment.");
    return std::nullopt;
  }
  if (read == platform::ClipboardRead::kNoText || IsBlank(pasted)) {
    dialog.MessageBoxA("The clipboard holds no text to paste.");
    return std::nullopt;
  }
  return pasted;
}

std::optional<KeyValues> PastedValues(CWnd& dialog, const std::string& text,
                                      std::span<const std::string_view> keys) {
  KeyValues values = FindKeyValues(text, keys);
  if (values.conflict) {
    const KeyValues::Conflict& conflict = *values.conflict;
    dialog.MessageBoxA(("The pasted text gives " + conflict.key +
                        " two values: " + Quoted(conflict.first) + " and " +
                        Quoted(conflict.second) + ".\nPaste one entity at a time.")
                           .c_str());
    return std::nullopt;
  }
  return values;
}

void RefuseValue(CWnd& dialog, std::string_view key, const std::string& value,
                 std::string_view hint) {
  dialog.MessageBoxA(
      ("Not a valid " + std::string(key) + " value: " + Quoted(value) + "\n" + std::string(hint))
          .c_str());
}
