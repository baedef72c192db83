#pragma once

#include <cstdint>

#include "logic/toggle_row.h"
#include "platform/cwnd.h"

// Flips the row's bit in a calculator's mask and shows the mask in the dialog's value field.
inline void ToggleAndShow(CWnd& dialog, std::int32_t& mask, const ToggleRow& row,
                          int valueFieldId) {
  mask = ToggleRowBit(mask, row);
  dialog.GetDlgItem(valueFieldId)->SetWindowTextA(MaskText(mask).c_str());
}
