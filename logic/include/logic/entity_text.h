#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct KeyValue {
  std::string key;    // the asked key, as the caller spells it
  std::string value;  // as written: without its quotes and the white space around it
};

struct KeyValues {
  // The value of each asked key the text gives, in the order the keys were asked; keys the
  // text does not give are left out. Empty when `conflict` is set.
  std::vector<KeyValue> found;
  // A key the text gives twice with different values (the same value twice is fine): the
  // key and the first two different values.
  struct Conflict {
    std::string key;
    std::string first;
    std::string second;
  };
  std::optional<Conflict> conflict;
};

// Reads the asked keys, without regard to case, from what a map maker copies out of an editor:
// lines `"key" "value"`, `key value`, `key: value` or `key = value`, alone or inside an entity
// block. Lines inside nested braces (brushes, patches), `//` comments and lines holding a NUL
// are ignored. A key written without a value is found with an empty value. A value that is not
// one whole quoted string is kept as written, open quote and all, so that a refusal shows it.
KeyValues FindKeyValues(std::string_view text, std::span<const std::string_view> keys);

// A fog field's value: a whole decimal number from 0 to 100, white space around it aside.
std::optional<std::int32_t> ParseFogFieldValue(std::string_view text);
