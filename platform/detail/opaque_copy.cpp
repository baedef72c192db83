#include "platform/detail/opaque_copy.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::detail {

void CopyOpaque(const std::uint8_t* from, std::uint8_t* to, std::size_t count) {
  std::size_t at = 0;
#if defined(__SSE2__)
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (; at + sizeof(__m128i) <= count; at += sizeof(__m128i)) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at), _mm_or_si128(pixels, opaque));
  }
#endif
  std::memcpy(to + at, from + at, count - at);
  for (std::size_t fourth = at + 3; fourth < count; fourth += 4) {
    to[fourth] = 0xFF;
  }
}

}  // namespace platform::detail
