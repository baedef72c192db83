#include "logic/fog_paths.h"

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstdint>

#include "logic/detail/fog_kernel.h"

namespace {

struct Sse2 {
  using Vector = __m128i;
  static Vector Load(const std::uint8_t* at) {
    return _mm_loadu_si128(reinterpret_cast<const Vector*>(at));
  }
  static void Store(std::uint8_t* at, Vector bytes) {
    _mm_storeu_si128(reinterpret_cast<Vector*>(at), bytes);
  }
  static Vector Repeat(std::uint64_t bits) { return _mm_set1_epi64x(static_cast<long long>(bits)); }
  static Vector AddBytes(Vector a, Vector b) { return _mm_add_epi8(a, b); }
  static Vector SubtractBytes(Vector a, Vector b) { return _mm_sub_epi8(a, b); }
  static Vector EqualBytes(Vector a, Vector b) { return _mm_cmpeq_epi8(a, b); }
  // Words of each byte of `low` with the matching byte of `high` above it.
  static Vector InterleaveLow(Vector low, Vector high) { return _mm_unpacklo_epi8(low, high); }
  static Vector InterleaveHigh(Vector low, Vector high) { return _mm_unpackhi_epi8(low, high); }
  static Vector MulHigh(Vector a, Vector b) { return _mm_mulhi_epu16(a, b); }
  static Vector AddWords(Vector a, Vector b) { return _mm_add_epi16(a, b); }
  // Words to bytes, saturating; the inverse of the interleaves for words under 256.
  static Vector Pack(Vector low, Vector high) { return _mm_packus_epi16(low, high); }
  static Vector And(Vector a, Vector b) { return _mm_and_si128(a, b); }
  static Vector Or(Vector a, Vector b) { return _mm_or_si128(a, b); }
};

}  // namespace

void ApplyFogSse2(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color) {
  BlendWithPlan<Sse2>(source, destination, ComputeFogParts(color));
}
#endif
