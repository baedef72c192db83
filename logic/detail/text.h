#pragma once

#include <string_view>

// What the readings of pasted text share.
namespace logic_detail {

// White space as the C locale has it, whatever locale the program runs in.
constexpr bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\n' || c == '\r';
}

constexpr std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace logic_detail
