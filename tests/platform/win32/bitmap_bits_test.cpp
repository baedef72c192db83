#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "logic/preview_pixels.h"
#include "platform/gdi.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 128;
constexpr int kHeight = 96;

// Every pixel a different colour, with a fourth byte the bitmap must not keep.
Bytes Pattern() {
  Bytes pixels(kPreviewByteCount);
  for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
    const std::size_t pixel = i / 4;
    pixels[i + kPreviewBlueByte] = static_cast<std::uint8_t>(pixel * 7);
    pixels[i + kPreviewGreenByte] = static_cast<std::uint8_t>(pixel / 3);
    pixels[i + kPreviewRedByte] = static_cast<std::uint8_t>(255 - pixel % 256);
    pixels[i + kPreviewFourthByte] = 0x12;
  }
  return pixels;
}

Bytes Read(const CBitmap& bitmap, std::size_t count = kPreviewByteCount) {
  Bytes pixels(count, 0xEE);
  pixels.resize(
      static_cast<std::size_t>(bitmap.GetBitmapBits(static_cast<DWORD>(count), pixels.data())));
  return pixels;
}

// What a display at 16 bits per pixel keeps of a colour: five bits of each channel.
int FiveBits(std::uint8_t channel) {
  return channel >> 3;
}

TEST(BitmapBits, SixteenBitBitmapsTakeAndGiveThirtyTwoBitPixels) {
  CBitmap bitmap;
  bitmap.Attach(CreateBitmap(kWidth, kHeight, 1, 16, nullptr));
  const Bytes pattern = Pattern();
  ASSERT_EQ(bitmap.SetBitmapBits(kPreviewByteCount, pattern.data()), kPreviewByteCount);

  // The bitmap holds 5-5-5 pixels, top row first: the conversion kept the rows and channels.
  std::vector<std::uint16_t> raw(kWidth * kHeight);
  ASSERT_EQ(GetBitmapBits(bitmap, static_cast<LONG>(raw.size() * 2), raw.data()),
            static_cast<LONG>(raw.size() * 2));
  for (std::size_t pixel : {std::size_t{0}, std::size_t{1}, std::size_t{kWidth * 50 + 3}}) {
    const std::uint8_t* colour = &pattern[pixel * 4];
    const int expected = FiveBits(colour[kPreviewRedByte]) << 10 |
                         FiveBits(colour[kPreviewGreenByte]) << 5 |
                         FiveBits(colour[kPreviewBlueByte]);
    EXPECT_EQ(raw[pixel], expected) << "pixel " << pixel;
  }

  const Bytes back = Read(bitmap);
  ASSERT_EQ(back.size(), kPreviewByteCount);
  int wrong = 0;
  for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
    wrong += i % 4 != kPreviewFourthByte && FiveBits(back[i]) != FiveBits(pattern[i]);
  }
  EXPECT_EQ(wrong, 0);
}

TEST(BitmapBits, APartialWriteToASixteenBitBitmapKeepsTheRest) {
  CBitmap bitmap;
  bitmap.Attach(CreateBitmap(kWidth, kHeight, 1, 16, nullptr));
  const Bytes pattern = Pattern();
  ASSERT_EQ(bitmap.SetBitmapBits(kPreviewByteCount, pattern.data()), kPreviewByteCount);
  const Bytes white(kWidth * 4, 0xFF);
  EXPECT_EQ(bitmap.SetBitmapBits(static_cast<DWORD>(white.size()), white.data()), white.size());
  const Bytes back = Read(bitmap);
  ASSERT_EQ(back.size(), kPreviewByteCount);
  EXPECT_EQ(back[kPreviewRedByte], 0xFF);
  const std::size_t secondRow = kWidth * 4;
  EXPECT_EQ(FiveBits(back[secondRow + kPreviewRedByte]),
            FiveBits(pattern[secondRow + kPreviewRedByte]));
  EXPECT_EQ(Read(bitmap, 10).size(), 10u);
}

TEST(BitmapBits, ThirtyTwoBitBitmapsStayOpaqueAndCopyAtMostTheirSize) {
  CBitmap bitmap;
  bitmap.Attach(CreateBitmap(4, 2, 1, 32, nullptr));
  Bytes pixels(100, 0x12);
  EXPECT_EQ(bitmap.SetBitmapBits(static_cast<DWORD>(pixels.size()), pixels.data()), 32u);
  const Bytes back = Read(bitmap, 100);
  ASSERT_EQ(back.size(), 32u);
  for (std::size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i], i % 4 == kPreviewFourthByte ? 0xFF : 0x12) << i;
  }
}

}  // namespace
