#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::detail {

// Copies `count` bytes of 32-bit pixels into a bitmap, writing 0xFF as every fourth byte
// whatever the caller wrote there: the bitmaps are opaque, and a compositor or control that
// honours the fourth byte as alpha (Wayland's, Windows' own for a 32-bit bitmap) would show
// nothing. Sixteen bytes at a time where the processor allows, to keep close to memcpy's pace.
void CopyOpaque(const std::uint8_t* from, std::uint8_t* to, std::size_t count);

}  // namespace platform::detail
