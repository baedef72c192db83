#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "logic/fog_color.h"
#include "logic/preview_pixels.h"

// What one blend needs, worked out once per blend rather than per pixel.
struct FogParts {
  // What the fog adds to each colour byte, indexed like the bytes of a pixel (blue, green, red).
  std::array<std::uint8_t, 3> add;
  // trunc(keep * b) for every byte value b, keep being the share of the picture left visible.
  std::array<std::uint8_t, 256> kept;
};

FogParts ComputeFogParts(const FogColor& color);

// A 16-bit multiplier K with (b * K) >> 16 == kept[b] for every byte b, when one exists. It lets
// the blend run as integer vector arithmetic with exactly the bytes of the double arithmetic.
std::optional<std::uint16_t> FixedPointKeep(const std::array<std::uint8_t, 256>& kept);
