#pragma once

#include <cstdint>

// One check box of a calculator: its label and the bit it flips in the entity key.
struct ToggleRow {
  const char* label;
  std::int32_t bit;
};

// A click flips exactly the row's bit; the box's own state is never consulted, so the mask
// follows the number of clicks on each row.
constexpr std::int32_t ToggleRowBit(std::int32_t mask, const ToggleRow& row) {
  return mask ^ row.bit;
}
