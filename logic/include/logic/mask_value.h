#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "logic/toggle_row.h"

// Reads an existing key value as a map maker pastes it: one whole integer, surrounding white
// space aside, either decimal from -2147483648 to 4294967295 or "0x" and one to eight
// hexadecimal digits; values above 2147483647 are taken as the 32 bits they spell. Anything
// else gives nothing, a NUL inside the text included.
std::optional<std::int32_t> ParseMaskValue(std::string_view text);

// Whether the text is empty or white space only: nothing that could be a value.
bool IsBlank(std::string_view text);

constexpr bool IsRowSet(std::int32_t mask, const ToggleRow& row) {
  return (mask & row.bit) != 0;
}

// The numbers of the bits set in the mask that no row names, lowest first.
std::vector<int> UnnamedBits(std::int32_t mask, std::span<const ToggleRow> rows);
