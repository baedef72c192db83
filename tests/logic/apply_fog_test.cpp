#include "logic/apply_fog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "logic/preview_pixels.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

constexpr std::uint8_t kSourceFourth = 0x5A;
constexpr std::uint8_t kDestinationFourth = 0xC3;

// Every byte value appears in every channel, in a different mix per channel.
Pixels SamplePicture() {
  Pixels pixels(kPreviewByteCount);
  for (std::size_t i = 0; i < kPreviewPixelCount; ++i) {
    pixels[4 * i + kPreviewBlueByte] = static_cast<std::uint8_t>(i);
    pixels[4 * i + kPreviewGreenByte] = static_cast<std::uint8_t>(i * 37 + i / 256);
    pixels[4 * i + kPreviewRedByte] = static_cast<std::uint8_t>(255 - i);
    pixels[4 * i + kPreviewFourthByte] = kSourceFourth;
  }
  return pixels;
}

Pixels Blend(const Pixels& source, const FogColor& color) {
  Pixels destination(kPreviewByteCount, kDestinationFourth);
  ApplyFog(source.data(), destination.data(), color);
  return destination;
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

TEST(ApplyFog, MatchesThePlainFormulaForEveryAlphaByteAndRatio) {
  const Pixels source = SamplePicture();
  const FogColor ratios[] = {{100, 100, 100, 0}, {100, 50, 0, 0},  {0, 0, 0, 0},    {20, 10, 0, 0},
                             {1, 2, 3, 0},       {37, 100, 63, 0}, {99, 98, 97, 0}, {0, 0, 1, 0},
                             {13, 77, 100, 0},   {3, 100, 7, 0}};
  for (FogColor color : ratios) {
    for (std::int32_t alpha = 0; alpha <= 100; ++alpha) {
      color.m_nAlpha = alpha;
      const Pixels fogged = Blend(source, color);
      int wrong = 0;
      for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
        wrong += fogged[i] != ExpectedByte(color, color.m_nBlue, source[i]);
        wrong += fogged[i + 1] != ExpectedByte(color, color.m_nGreen, source[i + 1]);
        wrong += fogged[i + 2] != ExpectedByte(color, color.m_nRed, source[i + 2]);
        wrong += fogged[i + 3] != kDestinationFourth;
      }
      EXPECT_EQ(wrong, 0) << "colour " << color.m_nRed << ',' << color.m_nGreen << ','
                          << color.m_nBlue << " alpha " << alpha;
    }
  }
}

TEST(ApplyFog, DefaultFogHalvesAndLifts) {
  Pixels source(kPreviewByteCount, 0);
  source[0] = 0;
  source[1] = 128;
  source[2] = 255;
  const Pixels fogged = Blend(source, DefaultFogColor());
  EXPECT_EQ(fogged[0], 126);
  EXPECT_EQ(fogged[1], 190);
  EXPECT_EQ(fogged[2], 253);
}

TEST(ApplyFog, NoAlphaLeavesThePictureAndFullAlphaIsFlat) {
  const Pixels source = SamplePicture();
  const Pixels clear = Blend(source, {100, 50, 0, 0});
  for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
    EXPECT_EQ(clear[i], i % 4 == kPreviewFourthByte ? kDestinationFourth : source[i]) << i;
  }
  const Pixels flat = Blend(source, {100, 50, 0, 100});
  for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
    ASSERT_EQ(flat[i + kPreviewRedByte], 254);
    ASSERT_EQ(flat[i + kPreviewGreenByte], 126);
    ASSERT_EQ(flat[i + kPreviewBlueByte], 0);
  }
}

TEST(ApplyFog, BlackFogOnlyDarkens) {
  const Pixels source = SamplePicture();
  const Pixels fogged = Blend(source, {0, 0, 0, 30});
  for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
    if (i % 4 != kPreviewFourthByte) {
      ASSERT_EQ(fogged[i], static_cast<std::uint8_t>(0.7 * source[i])) << i;
    }
  }
}

TEST(ApplyFog, ColoursInTheSameRatioBlendAlike) {
  const Pixels source = SamplePicture();
  EXPECT_EQ(Blend(source, {50, 50, 50, 40}), Blend(source, {100, 100, 100, 40}));
  EXPECT_EQ(Blend(source, {20, 10, 0, 65}), Blend(source, {100, 50, 0, 65}));
}

TEST(ApplyFog, BlendsNeverAccumulateOrTouchTheSource) {
  const Pixels original = SamplePicture();
  Pixels source = original;
  Pixels destination(kPreviewByteCount, kDestinationFourth);
  ApplyFog(source.data(), destination.data(), {100, 0, 0, 80});
  ApplyFog(source.data(), destination.data(), {0, 100, 0, 20});
  EXPECT_EQ(source, original);
  EXPECT_EQ(destination, Blend(original, {0, 100, 0, 20}));
}

TEST(ApplyFog, MissingBufferTouchesNothing) {
  Pixels destination(kPreviewByteCount, 7);
  ApplyFog(nullptr, destination.data(), DefaultFogColor());
  EXPECT_TRUE(std::all_of(destination.begin(), destination.end(), [](auto b) { return b == 7; }));
  const Pixels source = SamplePicture();
  ApplyFog(source.data(), nullptr, DefaultFogColor());
}

}  // namespace
