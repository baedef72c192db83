#include "logic/apply_fog.h"

#include "logic/fog_parts.h"
#include "logic/preview_pixels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

void BlendWithTables(const std::uint8_t* source, std::uint8_t* destination, const FogParts& parts) {
  std::array<std::array<std::uint8_t, 256>, 3> channelTables{};
  for (std::size_t channel = 0; channel < channelTables.size(); ++channel) {
    for (std::size_t byte = 0; byte < 256; ++byte) {
      channelTables[channel][byte] =
          static_cast<std::uint8_t>(parts.add[channel] + parts.kept[byte]);
    }
  }
  for (std::size_t offset = 0; offset < kPreviewByteCount; offset += kPreviewBytesPerPixel) {
    for (std::size_t channel : {kPreviewRedByte, kPreviewGreenByte, kPreviewBlueByte}) {
      destination[offset + channel] = channelTables[channel][source[offset + channel]];
    }
  }
}

#if defined(__SSE2__)
// Four pixels at a time. The fourth byte of each destination pixel is carried over unchanged.
void BlendWithVectors(const std::uint8_t* source, std::uint8_t* destination, const FogParts& parts,
                      std::uint16_t keep) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i multiplier = _mm_set1_epi16(static_cast<short>(keep));
  const auto add = [&](std::size_t channel) { return static_cast<short>(parts.add[channel]); };
  const __m128i fog = _mm_setr_epi16(add(0), add(1), add(2), 0, add(0), add(1), add(2), 0);
  const __m128i fourthBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (std::size_t offset = 0; offset < kPreviewByteCount; offset += 16) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + offset));
    const __m128i low =
        _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(pixels, zero), multiplier), fog);
    const __m128i high =
        _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(pixels, zero), multiplier), fog);
    const __m128i fogged = _mm_packus_epi16(low, high);
    __m128i* target = reinterpret_cast<__m128i*>(destination + offset);
    const __m128i previous = _mm_loadu_si128(target);
    _mm_storeu_si128(target, _mm_or_si128(_mm_andnot_si128(fourthBytes, fogged),
                                          _mm_and_si128(fourthBytes, previous)));
  }
}
#endif

}  // namespace

void ApplyFog(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color) {
  if (source == nullptr || destination == nullptr) {
    return;
  }
  const FogParts parts = ComputeFogParts(color);
#if defined(__SSE2__)
  static_assert(kPreviewByteCount % 16 == 0);
  if (const std::optional<std::uint16_t> keep = FixedPointKeep(parts.kept)) {
    BlendWithVectors(source, destination, parts, *keep);
    return;
  }
#endif
  BlendWithTables(source, destination, parts);
}
