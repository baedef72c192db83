#include "logic/preview_picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "logic/preview_pixels.h"

namespace {

using Pixels = std::vector<std::uint8_t>;
using Colour = std::function<std::uint8_t(int x, int y, int channel)>;

Pixels Picture(int width, int height, const Colour& colour) {
  Pixels pixels(static_cast<std::size_t>(width) * height * 4, 0x7F);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int channel = 0; channel < 3; ++channel) {
        pixels[(static_cast<std::size_t>(y) * width + x) * 4 + channel] = colour(x, y, channel);
      }
    }
  }
  return pixels;
}

Pixels Covered(int width, int height, const Colour& colour) {
  Pixels preview(kPreviewByteCount);
  CoverPreview(Picture(width, height, colour).data(), width, height, preview.data());
  return preview;
}

// Preview bytes that differ from what `expected` says of the preview's (x, y); -1 when a fourth
// byte is not 0xFF.
int Differing(const Pixels& preview, const Colour& expected) {
  int differing = 0;
  for (int y = 0; y < kPreviewHeight; ++y) {
    for (int x = 0; x < kPreviewWidth; ++x) {
      const std::uint8_t* pixel = &preview[(static_cast<std::size_t>(y) * kPreviewWidth + x) * 4];
      if (pixel[kPreviewFourthByte] != 0xFF) {
        return -1;
      }
      for (int channel = 0; channel < 3; ++channel) {
        differing += pixel[channel] != expected(x, y, channel);
      }
    }
  }
  return differing;
}

const Colour kPattern = [](int x, int y, int channel) {
  return static_cast<std::uint8_t>((x * 7 + y * 13 + channel * 50) % 256);
};

// A picture of the preview's size is taken as it is, a single pixel fills it; a wider one gives
// its middle columns, a taller one its middle rows; twice the size, each pixel is the mean of its
// two by two block; half the size, a ramp grows smoothly with both ends reached.
TEST(PreviewPicture, CoversWithTheMiddleFourThirdsShrunkOrGrownSmoothly) {
  EXPECT_EQ(Differing(Covered(128, 96, kPattern), kPattern), 0);
  const Colour grey = [](int, int, int c) { return static_cast<std::uint8_t>(9 * c); };
  EXPECT_EQ(Differing(Covered(1, 1, grey), grey), 0);
  EXPECT_EQ(Differing(Covered(256, 96, kPattern),
                      [](int x, int y, int c) { return kPattern(x + 64, y, c); }),
            0);
  EXPECT_EQ(Differing(Covered(128, 200, kPattern),
                      [](int x, int y, int c) { return kPattern(x, y + 52, c); }),
            0);
  const Colour blocks = [](int x, int y, int c) {
    return static_cast<std::uint8_t>(((x % 2) * 40 + (y % 2) * 80 + c) + (x / 2) % 3);
  };
  EXPECT_EQ(Differing(Covered(256, 192, blocks),
                      [](int x, int, int c) { return static_cast<std::uint8_t>(60 + c + x % 3); }),
            0);
  const Pixels grown =
      Covered(64, 48, [](int x, int, int) { return static_cast<std::uint8_t>(x * 4); });
  for (int x = 1; x < kPreviewWidth; ++x) {
    const int step = grown[static_cast<std::size_t>(x) * 4] - grown[(x - 1) * 4u];
    ASSERT_TRUE(step >= 0 && step <= 2) << x;
  }
  EXPECT_EQ(grown[0], 0);
  EXPECT_EQ(grown[(kPreviewWidth - 1) * 4], 252);
}

}  // namespace
