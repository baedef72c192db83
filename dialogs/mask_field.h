#pragma once

#include <cstdint>
#include <span>

#include "logic/toggle_row.h"
#include "platform/cwnd.h"

// How a calculator shows its mask: one check box per row, numbered from the first box's
// identifier in row order, and a read-only value field.
struct MaskFieldLayout {
  std::span<const ToggleRow> rows;
  UINT firstBoxId;
  UINT valueFieldId;
  const char* keyName;  // as the key is called in messages: "classes"
  const char* rowNoun;  // what a row stands for: "class"
};

// A click on a box: flips exactly that row's bit and shows the mask.
void ToggleAndShow(CWnd& dialog, std::int32_t& mask, const MaskFieldLayout& layout, UINT boxId);

// A paste into the value field: a valid value becomes the mask, with every box showing its
// row's bit; anything else changes nothing and says why in a message box.
void PasteAndShow(CWnd& dialog, std::int32_t& mask, const MaskFieldLayout& layout);
