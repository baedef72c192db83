#include <array>
#include <cstddef>

#include "logic/detail/fog_parts.h"
#include "logic/fog_paths.h"
#include "logic/preview_pixels.h"

void ApplyFogPortable(const std::uint8_t* source, std::uint8_t* destination,
                      const FogColor& color) {
  const FogParts parts = ComputeFogParts(color);
  std::array<std::uint8_t, 256> kept{};
  for (std::uint32_t byte = 0; byte < kept.size(); ++byte) {
    kept[byte] = KeptByte(parts.alpha, byte);
  }
  for (std::size_t at = 0; at < kPreviewByteCount; at += kPreviewBytesPerPixel) {
    for (std::size_t channel = 0; channel < parts.add.size(); ++channel) {
      destination[at + channel] =
          static_cast<std::uint8_t>(parts.add[channel] + kept[source[at + channel]]);
    }
  }
}
