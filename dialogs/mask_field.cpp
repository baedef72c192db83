#include "dialogs/mask_field.h"

#include <string>

#include "dialogs/pasted_text.h"
#include "logic/mask_value.h"
#include "platform/additions.h"

namespace {

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
  const std::optional<std::string> pasted = PastedText(dialog);
  if (!pasted) {
    return;
  }
  const std::string_view keys[] = {layout.keyName};
  const std::optional<KeyValues> values = PastedValues(dialog, *pasted, keys);
  if (!values) {
    return;
  }
  // The key's value where the text gives the key, else the text is the value itself.
  const std::string& given = values->found.empty() ? *pasted : values->found.front().value;
  const std::optional<std::int32_t> value = ParseMaskValue(given);
  if (!value) {
    RefuseValue(dialog, layout.keyName, given, "Paste a whole number such as 130, -1 or 0x82.");
    return;
  }
  mask = *value;
  for (std::size_t row = 0; row < layout.rows.size(); ++row) {
    dialog.GetDlgItem(static_cast<int>(layout.firstBoxId + row))
        ->SendMessage(BM_SETCHECK, IsRowSet(mask, layout.rows[row]) ? BST_CHECKED : BST_UNCHECKED);
  }
  ShowMask(dialog, mask, layout);
}
