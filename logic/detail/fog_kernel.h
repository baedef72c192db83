#pragma once

// The vector blend, written once for any vector width. Each instruction set supplies an `Isa`
// type with the vector type and the operations used below, each a single instruction. Every
// instruction set's file includes this header, the AVX2 one after switching the compiler to
// AVX2, and gets its own copy of everything here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "logic/detail/fog_parts.h"
#include "logic/detail/fog_plan.h"
#include "logic/preview_pixels.h"

namespace {

// What shapes the loop for a plan; alphas with the same shape share a loop.
struct FogShape {
  std::size_t corrected;
  std::int32_t step;
};

constexpr FogShape ShapeOf(const FogPlan& plan) {
  return {plan.correctedCount, plan.step};
}

template <class Isa>
typename Isa::Vector EveryByte(std::uint8_t byte) {
  return Isa::Repeat(0x0101010101010101u * byte);
}

// The same blue, green and red in every pixel widened to words, and 0 for the fourth byte.
template <class Isa>
typename Isa::Vector EveryPixelWords(std::uint64_t blue, std::uint64_t green, std::uint64_t red) {
  return Isa::Repeat(blue | green << 16 | red << 32);
}

template <class Isa, FogShape Shape>
void BlendVectors(const std::uint8_t* source, std::uint8_t* destination, const FogParts& parts,
                  const FogPlan& plan) {
  using Vector = typename Isa::Vector;
  static_assert(kPreviewByteCount % sizeof(Vector) == 0);
  // A multiplied word keeps its high half: the kept byte plus the offset's share, which the fog
  // word takes back. Both are 0 for the fourth byte, so the fogged result is 0 there.
  const auto fogWord = [&](std::size_t channel) {
    return static_cast<std::uint16_t>(parts.add[channel] - plan.offsetShare);
  };
  const Vector fogWords = EveryPixelWords<Isa>(fogWord(0), fogWord(1), fogWord(2));
  const Vector multiplier = EveryPixelWords<Isa>(plan.multiplier, plan.multiplier, plan.multiplier);
  const Vector offset = EveryByte<Isa>(plan.offset);
  const Vector fourthBytes = Isa::Repeat(0xFF000000FF000000u);
  // Spread before the loop: the plan could alias the destination bytes, so the compiler would
  // otherwise read it again after every store.
  Vector corrected[FogPlan::kMostCorrected];
  for (std::size_t i = 0; i < Shape.corrected; ++i) {
    corrected[i] = EveryByte<Isa>(plan.corrected[i]);
  }
  for (std::size_t at = 0; at < kPreviewByteCount; at += sizeof(Vector)) {
    const Vector pixels = Isa::Load(source + at);
    // Equal bytes compare as all ones, that is minus one. Unrolled, so the spread bytes stay in
    // registers.
    Vector input = pixels;
#pragma GCC unroll FogPlan::kMostCorrected
    for (std::size_t i = 0; i < Shape.corrected; ++i) {
      const Vector equal = Isa::EqualBytes(pixels, corrected[i]);
      if constexpr (Shape.step < 0) {
        input = Isa::AddBytes(input, equal);
      } else {
        input = Isa::SubtractBytes(input, equal);
      }
    }
    const Vector low = Isa::MulHigh(Isa::InterleaveLow(input, offset), multiplier);
    const Vector high = Isa::MulHigh(Isa::InterleaveHigh(input, offset), multiplier);
    const Vector fogged = Isa::Pack(Isa::AddWords(low, fogWords), Isa::AddWords(high, fogWords));
    const Vector fourth = Isa::And(Isa::Load(destination + at), fourthBytes);
    Isa::Store(destination + at, Isa::Or(fogged, fourth));
  }
}

using BlendLoop = void (*)(const std::uint8_t*, std::uint8_t*, const FogParts&, const FogPlan&);

template <class Isa, std::size_t... Alpha>
constexpr std::array<BlendLoop, sizeof...(Alpha)> LoopsFor(std::index_sequence<Alpha...>) {
  return {&BlendVectors<Isa, ShapeOf(kFogPlans[Alpha])>...};
}

template <class Isa>
void BlendWithPlan(const std::uint8_t* source, std::uint8_t* destination, const FogParts& parts) {
  static constexpr std::array<BlendLoop, kFogPlans.size()> kLoops =
      LoopsFor<Isa>(std::make_index_sequence<kFogPlans.size()>{});
  const auto alpha = static_cast<std::size_t>(parts.alpha);
  kLoops[alpha](source, destination, parts, kFogPlans[alpha]);
}

}  // namespace
