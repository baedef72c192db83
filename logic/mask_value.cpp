#include "logic/mask_value.h"

#include <cctype>
#include <charconv>
#include <limits>

#include "logic/detail/text.h"

namespace {

using logic_detail::Trimmed;

// Parses all of `digits` in the base; nothing when any character is left over.
template <class Integer>
std::optional<Integer> ParseWhole(std::string_view digits, int base) {
  Integer value{};
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
  if (digits.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseMaskValue(std::string_view text) {
  text = Trimmed(text);
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view digits = text.substr(2);
    // from_chars takes no sign here, so only hexadecimal digits get through.
    if (digits.size() > 8 || !std::isxdigit(static_cast<unsigned char>(digits.front()))) {
      return std::nullopt;
    }
    const std::optional<std::uint32_t> bits = ParseWhole<std::uint32_t>(digits, 16);
    if (!bits) {
      return std::nullopt;
    }
    return static_cast<std::int32_t>(*bits);
  }
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return std::nullopt;
    }
  }
  // Signed, or unsigned up to 4294967295: the same 32 bits, as the hexadecimal form gives them.
  const std::optional<std::int64_t> number = ParseWhole<std::int64_t>(text, 10);
  if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
      *number > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(*number));
}

bool IsBlank(std::string_view text) {
  return Trimmed(text).empty();
}

std::vector<int> UnnamedBits(std::int32_t mask, std::span<const ToggleRow> rows) {
  std::uint32_t unnamed = static_cast<std::uint32_t>(mask);
  for (const ToggleRow& row : rows) {
    unnamed &= ~static_cast<std::uint32_t>(row.bit);
  }
  std::vector<int> bits;
  for (int bit = 0; bit < std::numeric_limits<std::uint32_t>::digits; ++bit) {
    if ((unnamed >> bit) & 1u) {
      bits.push_back(bit);
    }
  }
  return bits;
}
