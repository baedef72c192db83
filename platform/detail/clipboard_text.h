#pragma once

#include <string>

namespace platform::detail {

// A text block may end in NULs (a C string's terminator, a block rounded up): they are no part
// of the text, while a NUL inside it is, so that such a text is refused rather than cut short.
inline void DropTrailingNuls(std::string& text) {
  text.erase(text.find_last_not_of('\0') + 1);
}

}  // namespace platform::detail
