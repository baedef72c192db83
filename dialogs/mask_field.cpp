#include "dialogs/mask_field.h"

#include <string>

#include "logic/mask_value.h"
#include "platform/additions.h"

namespace {

constexpr std::size_t kShownPasteLength = 40;
// ASCII, so that it stands for itself in every code page (a byte above 0x7F may start a
// two-byte character and swallow the next).
constexpr char kShownControlCharacter = '?';

// The start of what was pasted, as the refusal quotes it: line breaks, tabs and NULs show as
// question marks, so that the quote stays on its line and whole.
std::string QuotedPaste(const std::string& pasted) {
  std::string quoted = pasted.substr(0, kShownPasteLength);
  for (char& c : quoted) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
      c = kShownControlCharacter;
    }
  }
  return quoted;
}

// Bits kept in the mask that no box shows are named in the field's tooltip.
std::string UnnamedBitsTip(std::int32_t mask, const MaskFieldLayout& layout) {
  const std::vector<int> bits = UnnamedBits(mask, layout.rows);
  if (bits.empty()) {
    return {};
  }
  std::string tip = std::string(bits.size() == 1 ? "Bit " : "Bits ");
  for (std::size_t i = 0; i < bits.size(); ++i) {
    tip += (i == 0 ? "" : i + 1 == bits.size() ? " and " : ", ") + std::to_string(bits[i]);
  }
  tip += std::string(bits.size() == 1 ? " is set but names no " : " are set but name no ") +
         layout.rowNoun + ".";
  return tip;
}

void ShowMask(CWnd& dialog, std::int32_t mask, const MaskFieldLayout& layout) {
  CWnd* field = dialog.GetDlgItem(static_cast<int>(layout.valueFieldId));
  CString text;
  text.Format("%ld", mask);
  field->SetWindowTextA(text);
  platform::SetToolTip(*field, UnnamedBitsTip(mask, layout).c_str());
}

}  // namespace

void ToggleAndShow(CWnd& dialog, std::int32_t& mask, const MaskFieldLayout& layout, UINT boxId) {
  mask = ToggleRowBit(mask, layout.rows[boxId - layout.firstBoxId]);
  ShowMask(dialog, mask, layout);
}

void PasteAndShow(CWnd& dialog, std::int32_t& mask, const MaskFieldLayout& layout) {
  std::string pasted;
  const platform::ClipboardRead read = platform::GetClipboardText(pasted);
  if (read == platform::ClipboardRead::kBusy) {
    dialog.MessageBoxA(
        "The clipboard is in use by another program. Try the paste again in a moment.");
    return;
  }
  if (read == platform::ClipboardRead::kNoText || IsBlank(pasted)) {
    dialog.MessageBoxA("The clipboard holds no text to paste.");
    return;
  }
  const std::optional<std::int32_t> value = ParseMaskValue(pasted);
  if (!value) {
    dialog.MessageBoxA((std::string("Not a valid ") + layout.keyName + " value: " +
                        QuotedPaste(pasted) + "\nPaste a whole number such as 130, -1 or 0x82.")
                           .c_str());
    return;
  }
  mask = *value;
  for (std::size_t row = 0; row < layout.rows.size(); ++row) {
    dialog.GetDlgItem(static_cast<int>(layout.firstBoxId + row))
        ->SendMessage(BM_SETCHECK, IsRowSet(mask, layout.rows[row]) ? BST_CHECKED : BST_UNCHECKED);
  }
  ShowMask(dialog, mask, layout);
}
