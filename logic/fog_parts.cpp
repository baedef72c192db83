#include "logic/fog_parts.h"

#include <algorithm>

#include "logic/crt.h"

FogParts ComputeFogParts(const FogColor& color) {
  const double alpha = color.m_nAlpha / 100.0;
  double largest = std::max({color.m_nRed, color.m_nGreen, color.m_nBlue});
  if (largest < 1.0) {
    largest = 1.0;
  }
  // Multiplied in exactly this order: other orders round differently in the last bit.
  const auto fogPart = [&](std::int32_t channel) {
    const std::int32_t part = crt::ftol(channel / largest * 255.0 * alpha) - 1;
    return static_cast<std::uint8_t>(std::max(part, 0));
  };

  FogParts parts{};
  parts.add[kPreviewBlueByte] = fogPart(color.m_nBlue);
  parts.add[kPreviewGreenByte] = fogPart(color.m_nGreen);
  parts.add[kPreviewRedByte] = fogPart(color.m_nRed);
  const double keep = 1.0 - alpha;
  for (std::size_t byte = 0; byte < parts.kept.size(); ++byte) {
    parts.kept[byte] = static_cast<std::uint8_t>(crt::ftol(keep * static_cast<double>(byte)));
  }
  return parts;
}

std::optional<std::uint16_t> FixedPointKeep(const std::array<std::uint8_t, 256>& kept) {
  constexpr std::uint32_t kOne = 1u << 16;
  std::uint32_t lowest = 0;
  std::uint32_t highest = kOne - 1;
  for (std::uint32_t byte = 1; byte < kept.size(); ++byte) {
    const std::uint32_t want = kept[byte];
    lowest = std::max(lowest, (want * kOne + byte - 1) / byte);
    highest = std::min(highest, ((want + 1) * kOne - 1) / byte);
  }
  if (lowest > highest) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(lowest);
}
