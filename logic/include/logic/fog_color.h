#pragma once

#include <cstdint>

// Fog colour as three relative channels and a thickness, each 0 to 100 as on the sliders.
// The members start at the defaults the helper opens with.
struct FogColor {
  std::int32_t m_nRed = 100;
  std::int32_t m_nGreen = 100;
  std::int32_t m_nBlue = 100;
  std::int32_t m_nAlpha = 50;
};

constexpr FogColor DefaultFogColor() {
  return FogColor{};
}
