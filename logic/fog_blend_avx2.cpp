#include "logic/fog_paths.h"

#if defined(__SSE2__)
#include <immintrin.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "logic/detail/fog_parts.h"
#include "logic/detail/fog_plan.h"
#include "logic/preview_pixels.h"

// What follows is built for AVX2 and runs only where the processor has it. The headers above
// come first so their inline functions, shared with the rest of the program, stay baseline.
#pragma GCC target("avx2")

#include "logic/detail/fog_kernel.h"

namespace {

// The SSE2 operations on 32 bytes; the interleaves and the pack work within each 16-byte half,
// so together they keep the bytes in place as the SSE2 ones do.
struct Avx2 {
  using Vector = __m256i;
  static Vector Load(const std::uint8_t* at) {
    return _mm256_loadu_si256(reinterpret_cast<const Vector*>(at));
  }
  static void Store(std::uint8_t* at, Vector bytes) {
    _mm256_storeu_si256(reinterpret_cast<Vector*>(at), bytes);
  }
  static Vector Repeat(std::uint64_t bits) {
    return _mm256_set1_epi64x(static_cast<long long>(bits));
  }
  static Vector AddBytes(Vector a, Vector b) { return _mm256_add_epi8(a, b); }
  static Vector SubtractBytes(Vector a, Vector b) { return _mm256_sub_epi8(a, b); }
  static Vector EqualBytes(Vector a, Vector b) { return _mm256_cmpeq_epi8(a, b); }
  static Vector InterleaveLow(Vector low, Vector high) { return _mm256_unpacklo_epi8(low, high); }
  static Vector InterleaveHigh(Vector low, Vector high) { return _mm256_unpackhi_epi8(low, high); }
  static Vector MulHigh(Vector a, Vector b) { return _mm256_mulhi_epu16(a, b); }
  static Vector AddWords(Vector a, Vector b) { return _mm256_add_epi16(a, b); }
  static Vector Pack(Vector low, Vector high) { return _mm256_packus_epi16(low, high); }
  static Vector And(Vector a, Vector b) { return _mm256_and_si256(a, b); }
  static Vector Or(Vector a, Vector b) { return _mm256_or_si256(a, b); }
};

}  // namespace

void ApplyFogAvx2(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color) {
  BlendWithPlan<Avx2>(source, destination, ComputeFogParts(color));
}
#endif
