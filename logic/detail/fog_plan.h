#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "logic/detail/fog_parts.h"

// Why plans at all: the blend must give exactly the bytes of the double arithmetic, and a plan
// per alpha, worked out when compiling, lets SSE2 and AVX2 do that within a few times a memcpy
// of the picture, where a table per byte is far slower (bench/apply_fog_bench.cpp measures it).
//
// How the vector paths get KeptByte(alpha, b) for one alpha out of 16-bit integer arithmetic:
//   ((b' + 256 * offset) * multiplier >> 16) - offsetShare
// where b' is b, or b + step for the few `corrected` bytes. The offset moves where the products
// cross whole numbers; the corrected bytes are those the double arithmetic puts on the other
// side of a whole number than the multiplier does.
struct FogPlan {
  // Enough for every alpha; each one more costs the vector loop two instructions.
  static constexpr std::size_t kMostCorrected = 3;

  std::uint16_t multiplier;
  std::uint8_t offset;
  std::uint16_t offsetShare;
  std::int32_t step;
  std::size_t correctedCount;
  std::array<std::uint8_t, kMostCorrected> corrected;
};

namespace fog_plan_detail {

// Whether the exact keep share of `byte` is a whole number.
constexpr bool Whole(std::int32_t alpha, std::int32_t byte) {
  return (kFullFogAlpha - alpha) * byte % 100 == 0;
}

// Whether the double product of such a byte falls just short of its whole number.
constexpr bool Short(std::int32_t alpha, std::int32_t byte) {
  return KeptByte(alpha, static_cast<std::uint32_t>(byte)) < (kFullFogAlpha - alpha) * byte / 100;
}

// KeptByte is the floor of the exact product but for a scattered few bytes whose exact product
// is whole: there the double product lands just under it, one less. The integer arithmetic with a
// multiplier a little under the keep share lands under every whole product from some byte on,
// the offset choosing the byte. With that byte past the last whole product the double arithmetic
// gets exact, the short ones before it are read one lower (step -1); with it at the first short
// one, the exact ones after it are read one higher (step +1). The byte read instead has no whole
// product and keeps the same.
constexpr std::optional<FogPlan> Corrections(std::int32_t alpha, std::int32_t step) {
  std::int32_t firstShort = 256;
  std::int32_t lastExact = 0;
  for (std::int32_t byte = 1; byte < 256; ++byte) {
    if (Whole(alpha, byte) && Short(alpha, byte)) {
      firstShort = std::min(firstShort, byte);
    } else if (Whole(alpha, byte)) {
      lastExact = byte;
    }
  }
  FogPlan plan{};
  plan.step = step;
  for (std::int32_t byte = 1; byte < 256; ++byte) {
    const bool corrected = step < 0
                               ? Whole(alpha, byte) && Short(alpha, byte) && byte < lastExact
                               : Whole(alpha, byte) && !Short(alpha, byte) && byte > firstShort;
    if (!corrected) {
      continue;
    }
    const std::int32_t neighbour = byte + step;
    if (plan.correctedCount == FogPlan::kMostCorrected || neighbour > 255 ||
        Whole(alpha, neighbour) ||
        KeptByte(alpha, static_cast<std::uint32_t>(neighbour)) !=
            KeptByte(alpha, static_cast<std::uint32_t>(byte))) {
      return std::nullopt;
    }
    plan.corrected[plan.correctedCount++] = static_cast<std::uint8_t>(byte);
  }
  return plan;
}

// The offset, then the multiplier, that gives KeptByte for every byte not corrected as
// floor((b * multiplier + 256 * fraction) / 2^16), fraction being offset * multiplier mod 256:
// fractions are tried from none up, each with the smallest multiplier it allows.
constexpr std::optional<FogPlan> FitMultiplier(std::int32_t alpha, FogPlan plan) {
  constexpr std::int64_t kOne = 1 << 16;
  const auto begin = plan.corrected.begin();
  const auto end = begin + plan.correctedCount;
  for (std::int64_t fraction = 0; fraction < 256; ++fraction) {
    std::int64_t lowest = 0;
    std::int64_t highest = kOne - 1;
    for (std::uint32_t byte = 1; byte < 256; ++byte) {
      if (std::find(begin, end, byte) == end) {
        const std::int64_t want = KeptByte(alpha, byte);
        lowest = std::max(lowest, (want * kOne - 256 * fraction + byte - 1) / byte);
        highest = std::min(highest, ((want + 1) * kOne - 1 - 256 * fraction) / byte);
      }
    }
    for (std::int64_t multiplier = lowest; multiplier <= highest; ++multiplier) {
      for (std::int64_t offset = 0; offset < 256; ++offset) {
        if (offset * multiplier % 256 == fraction) {
          plan.multiplier = static_cast<std::uint16_t>(multiplier);
          plan.offset = static_cast<std::uint8_t>(offset);
          plan.offsetShare = static_cast<std::uint16_t>(offset * multiplier / 256);
          return plan;
        }
      }
    }
  }
  return std::nullopt;
}

// Fails to compile when some alpha has no plan within kMostCorrected.
constexpr FogPlan FindPlan(std::int32_t alpha) {
  const std::optional<FogPlan> lower = Corrections(alpha, -1);
  const std::optional<FogPlan> raise = Corrections(alpha, 1);
  const bool raiseFewer = raise && (!lower || raise->correctedCount < lower->correctedCount);
  return FitMultiplier(alpha, (raiseFewer ? raise : lower).value()).value();
}

}  // namespace fog_plan_detail

// Every alpha's plan, worked out when compiling.
inline constexpr std::array<FogPlan, kFullFogAlpha + 1> kFogPlans = [] {
  std::array<FogPlan, kFullFogAlpha + 1> plans{};
  for (std::int32_t alpha = 0; alpha <= kFullFogAlpha; ++alpha) {
    plans[static_cast<std::size_t>(alpha)] = fog_plan_detail::FindPlan(alpha);
  }
  return plans;
}();
