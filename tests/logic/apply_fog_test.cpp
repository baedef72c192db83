#include "logic/apply_fog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "logic/fog_paths.h"
#include "logic/preview_pixels.h"

namespace {

using Pixels = std::vector<std::uint8_t>;
using BlendFunction = void (*)(const std::uint8_t*, std::uint8_t*, const FogColor&);

struct Path {
  std::string name;
  BlendFunction blend;
};

// ApplyFog and every path it can take on this machine.
std::vector<Path> Paths() {
  std::vector<Path> paths = {{"ApplyFog", ApplyFog}, {"Portable", ApplyFogPortable}};
#if defined(__SSE2__)
  paths.push_back({"Sse2", ApplyFogSse2});
  if (ProcessorHasAvx2()) {
    paths.push_back({"Avx2", ApplyFogAvx2});
  }
#endif
  return paths;
}

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

// Every byte value appears in every channel, in a different mix per channel.
Pixels SamplePicture() {
  Pixels pixels(kPreviewByteCount);
  for (std::size_t i = 0; i < kPreviewPixelCount; ++i) {
    pixels[4 * i + kPreviewBlueByte] = static_cast<std::uint8_t>(i);
    pixels[4 * i + kPreviewGreenByte] = static_cast<std::uint8_t>(i * 37 + i / 256);
    pixels[4 * i + kPreviewRedByte] = static_cast<std::uint8_t>(255 - i);
    pixels[4 * i + kPreviewFourthByte] = 0x5A;
  }
  return pixels;
}

// A destination whose fourth bytes differ from pixel to pixel and from the source's.
Pixels FreshDestination() {
  Pixels pixels(kPreviewByteCount);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<std::uint8_t>(i * 7 + 3);
  }
  return pixels;
}

// The fog formula evaluated the plain way, one byte at a time.
std::uint8_t ExpectedByte(const FogColor& color, std::int32_t channel, std::uint8_t byte) {
  const double alpha = color.m_nAlpha / 100.0;
  double largest = std::max({color.m_nRed, color.m_nGreen, color.m_nBlue});
  if (largest < 1.0) {
    largest = 1.0;
  }
  int add = static_cast<int>(channel / largest * 255.0 * alpha) - 1;
  if (add < 0) {
    add = 0;
  }
  return static_cast<std::uint8_t>(add + static_cast<int>((1.0 - alpha) * byte));
}

Pixels BlendWith(BlendFunction blend, const Pixels& source, const FogColor& color) {
  Pixels destination = FreshDestination();
  blend(source.data(), destination.data(), color);
  return destination;
}

class ApplyFogPath : public testing::TestWithParam<Path> {
 protected:
  Pixels Blend(const Pixels& source, const FogColor& color) const {
    return BlendWith(GetParam().blend, source, color);
  }
};

TEST_P(ApplyFogPath, MatchesThePlainFormulaForEveryAlphaByteAndRatio) {
  const Pixels source = SamplePicture();
  const Pixels fresh = FreshDestination();
  const FogColor ratios[] = {{100, 100, 100, 0}, {100, 50, 0, 0},  {0, 0, 0, 0},    {20, 10, 0, 0},
                             {1, 2, 3, 0},       {37, 100, 63, 0}, {99, 98, 97, 0}, {0, 0, 1, 0},
                             {13, 77, 100, 0},   {3, 100, 7, 0}};
  for (FogColor color : ratios) {
    for (std::int32_t alpha = 0; alpha <= 100; ++alpha) {
      color.m_nAlpha = alpha;
      std::array<std::array<std::uint8_t, 256>, 3> expected{};
      const std::int32_t channels[] = {color.m_nBlue, color.m_nGreen, color.m_nRed};
      for (std::size_t channel = 0; channel < 3; ++channel) {
        for (std::size_t byte = 0; byte < 256; ++byte) {
          expected[channel][byte] =
              ExpectedByte(color, channels[channel], static_cast<std::uint8_t>(byte));
        }
      }
      const Pixels fogged = Blend(source, color);
      int wrong = 0;
      for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
          wrong += fogged[i + channel] != expected[channel][source[i + channel]];
        }
        wrong += fogged[i + kPreviewFourthByte] != fresh[i + kPreviewFourthByte];
      }
      EXPECT_EQ(wrong, 0) << "colour " << color.m_nRed << ',' << color.m_nGreen << ','
                          << color.m_nBlue << " alpha " << alpha;
    }
  }
}

// Values no slider gives: alpha is held to no fog and full fog, channels count by their ratio.
TEST_P(ApplyFogPath, TakesValuesBeyondTheSliders) {
  const Pixels source = SamplePicture();
  EXPECT_EQ(Blend(source, {100, 50, 0, kMinInt}), Blend(source, {100, 50, 0, 0}));
  EXPECT_EQ(Blend(source, {100, 50, 0, 101}), Blend(source, {100, 50, 0, 100}));
  EXPECT_EQ(Blend(source, {100, 50, 0, kMaxInt}), Blend(source, {100, 50, 0, 100}));
  EXPECT_EQ(Blend(source, {kMinInt, 100, -5, 50}), Blend(source, {0, 100, 0, 50}));
  EXPECT_EQ(Blend(source, {kMinInt, kMinInt, kMinInt, 80}), Blend(source, {0, 0, 0, 80}));
  EXPECT_EQ(Blend(source, {kMaxInt, 0, kMaxInt, 30}), Blend(source, {100, 0, 100, 30}));
}

TEST_P(ApplyFogPath, NeedsNoAlignedBuffers) {
  const Pixels source = SamplePicture();
  Pixels shiftedSource(1);
  shiftedSource.insert(shiftedSource.end(), source.begin(), source.end());
  Pixels shiftedDestination = FreshDestination();
  shiftedDestination.insert(shiftedDestination.begin(), 3, 0);
  GetParam().blend(shiftedSource.data() + 1, shiftedDestination.data() + 3, {100, 60, 20, 55});
  shiftedDestination.erase(shiftedDestination.begin(), shiftedDestination.begin() + 3);
  EXPECT_EQ(shiftedDestination, Blend(source, {100, 60, 20, 55}));
}

INSTANTIATE_TEST_SUITE_P(Paths, ApplyFogPath, testing::ValuesIn(Paths()),
                         [](const testing::TestParamInfo<Path>& path) { return path.param.name; });

// The source is never touched and a blend never builds on the last one; a missing buffer
// leaves everything alone.
TEST(ApplyFog, StartsFromTheCleanPictureEveryTime) {
  const Pixels original = SamplePicture();
  Pixels source = original;
  Pixels destination = FreshDestination();
  ApplyFog(source.data(), destination.data(), {100, 0, 0, 80});
  ApplyFog(source.data(), destination.data(), {0, 100, 0, 20});
  EXPECT_EQ(source, original);
  EXPECT_EQ(destination, BlendWith(ApplyFog, original, {0, 100, 0, 20}));
  ApplyFog(nullptr, destination.data(), DefaultFogColor());
  ApplyFog(source.data(), nullptr, DefaultFogColor());
  EXPECT_EQ(destination, BlendWith(ApplyFog, original, {0, 100, 0, 20}));
}

}  // namespace
