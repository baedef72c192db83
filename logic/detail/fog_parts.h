#pragma once

#include <array>
#include <cstdint>

#include "logic/fog_color.h"

// The thickest fog. A thicker alpha is taken as this one and a negative alpha as no fog.
inline constexpr std::int32_t kFullFogAlpha = 100;

// What one blend needs besides the pictures, worked out once per blend rather than per pixel.
struct FogParts {
  // The colour's alpha, held to 0..kFullFogAlpha.
  std::int32_t alpha;
  // What the fog adds to each colour byte, indexed like the bytes of a pixel (blue, green, red).
  std::array<std::uint8_t, 3> add;
};

FogParts ComputeFogParts(const FogColor& color);

// trunc((1 - alpha / 100) * byte) in double arithmetic: what the fog leaves of a colour byte.
// Constant-evaluated too, so it truncates as crt::ftol does without calling it.
constexpr std::uint8_t KeptByte(std::int32_t alpha, std::uint32_t byte) {
  const double keep = 1.0 - alpha / 100.0;
  return static_cast<std::uint8_t>(static_cast<std::int32_t>(keep * byte));
}
