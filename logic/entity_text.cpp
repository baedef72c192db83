#include "logic/entity_text.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "logic/detail/text.h"

namespace {

using logic_detail::IsSpace;
using logic_detail::Trimmed;

// ASCII only: UTF-8 bytes compare as they are, and std::tolower would need a locale.
constexpr char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameKey(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

// The line up to a `//` comment outside quotes. Braces outside quotes move `depth`; a line that
// holds one, or a NUL, is no key/value line.
std::optional<std::string_view> KeyValueLine(std::string_view line, int& depth) {
  bool quoted = false;
  bool plain = true;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\0') {
      plain = false;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (c == '{' || c == '}') {
      // A stray closing brace (a paste that starts inside a block) must not hide what follows.
      depth = c == '{' ? depth + 1 : std::max(depth - 1, 0);
      plain = false;
    } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
      line = line.substr(0, i);
      break;
    }
  }
  return plain ? std::optional(line) : std::nullopt;
}

// Splits `"key" "value"`, `key value`, `key: value` or `key = value`.
std::pair<std::string_view, std::string_view> Split(std::string_view line) {
  line = Trimmed(line);
  std::string_view key;
  if (line.starts_with('"')) {
    // A quote left open runs to the end of the line: a cut `"mass` is refused, not skipped.
    const std::size_t close = std::min(line.find('"', 1), line.size());
    key = line.substr(1, close - 1);
    line.remove_prefix(std::min(close + 1, line.size()));
  } else {
    key = line.substr(0, line.find_first_of(" \t\v\f:=\""));
    line.remove_prefix(key.size());
  }
  line = Trimmed(line);
  if (line.starts_with(':') || line.starts_with('=')) {
    line = Trimmed(line.substr(1));
  }
  if (line.size() >= 2 && line.front() == '"' && line.find('"', 1) == line.size() - 1) {
    line = Trimmed(line.substr(1, line.size() - 2));
  }
  return {key, line};
}

}  // namespace

KeyValues FindKeyValues(std::string_view text, std::span<const std::string_view> keys) {
  std::vector<std::optional<std::string_view>> values(keys.size());
  int depth = 0;
  while (!text.empty()) {
    // \r\n gives an empty line between the two, which is ignored like any blank line.
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::optional<std::string_view> line = KeyValueLine(text.substr(0, end), depth);
    text.remove_prefix(std::min(end + 1, text.size()));
    // Depth 1 is the entity itself; deeper lines belong to its brushes and patches.
    if (!line || depth > 1) {
      continue;
    }
    const auto [key, written] = Split(*line);
    const auto asked = std::ranges::find_if(keys, [key = key](auto k) { return SameKey(k, key); });
    if (asked == keys.end()) {
      continue;
    }
    std::optional<std::string_view>& value = values[static_cast<std::size_t>(asked - keys.begin())];
    if (value && *value != written) {
      return {{},
              KeyValues::Conflict{std::string(*asked), std::string(*value), std::string(written)}};
    }
    value = written;
  }
  KeyValues result;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (values[i]) {
      result.found.push_back({std::string(keys[i]), std::string(*values[i])});
    }
  }
  return result;
}

std::optional<std::int32_t> ParseFogFieldValue(std::string_view text) {
  text = Trimmed(text);
  // Digits only: no sign, no base prefix, no fraction, as a map file writes these fields.
  if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::int32_t value = 0;
  const std::errc error = std::from_chars(text.data(), text.data() + text.size(), value).ec;
  if (error != std::errc() || value > 100) {
    return std::nullopt;
  }
  return value;
}
