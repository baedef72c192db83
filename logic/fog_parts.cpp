#include "logic/detail/fog_parts.h"

#include <algorithm>

#include "logic/detail/crt.h"
#include "logic/preview_pixels.h"

FogParts ComputeFogParts(const FogColor& color) {
  FogParts parts{};
  parts.alpha = std::clamp(color.m_nAlpha, 0, kFullFogAlpha);
  const double alpha = parts.alpha / 100.0;
  double largest = std::max({color.m_nRed, color.m_nGreen, color.m_nBlue});
  if (largest < 1.0) {
    largest = 1.0;
  }
  // Multiplied in exactly this order: other orders round differently in the last bit.
  const auto fogPart = [&](std::int32_t channel) -> std::uint8_t {
    const double share = channel / largest * 255.0 * alpha;
    // Any share below 1 gives no fog part. Checking first keeps a very negative channel from
    // overflowing the conversion; no channel exceeds the largest, so a share is at most 255.
    return share < 1.0 ? 0 : static_cast<std::uint8_t>(crt::ftol(share) - 1);
  };
  parts.add[kPreviewBlueByte] = fogPart(color.m_nBlue);
  parts.add[kPreviewGreenByte] = fogPart(color.m_nGreen);
  parts.add[kPreviewRedByte] = fogPart(color.m_nRed);
  return parts;
}
