#include "platform/qt/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::qt::ReadIconImages;

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// An .ico with one 8 by 8 four-bit entry: palette index (x + y) % 4 at (x, y), with the top
// left pixel transparent.
Bytes FourBitIcon() {
  Bytes image;
  Put32(image, 40);
  Put32(image, 8);
  Put32(image, 16);
  Put16(image, 1);
  Put16(image, 4);
  for (int i = 0; i < 6; ++i) {
    Put32(image, i == 4 ? 16 : 0);
  }
  const std::uint8_t palette[4][3] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  for (int i = 0; i < 16; ++i) {
    const std::uint8_t* rgb = palette[i % 4];
    image.insert(image.end(), {rgb[2], rgb[1], rgb[0], 0});
  }
  for (int row = 7; row >= 0; --row) {  // bottom up, four bytes a row
    for (int x = 0; x < 8; x += 2) {
      image.push_back(static_cast<std::uint8_t>(((x + row) % 4) << 4 | ((x + 1 + row) % 4)));
    }
  }
  for (int row = 7; row >= 0; --row) {
    Put32(image, row == 0 ? 0x80 : 0);
  }
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file.insert(file.end(), {8, 8, 16, 0});
  Put16(file, 1);
  Put16(file, 4);
  Put32(file, static_cast<unsigned>(image.size()));
  Put32(file, 22);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

TEST(IconFile, ReadsPalettedEntriesWithTheirMask) {
  const std::vector<QImage> images = ReadIconImages(FourBitIcon());
  ASSERT_EQ(images.size(), 1u);
  const QImage& image = images[0];
  EXPECT_EQ(image.size(), QSize(8, 8));
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(2, 0), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(3, 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 255, 0));
}

TEST(IconFile, DamagedFilesGiveWhatCanBeRead) {
  const Bytes whole = FourBitIcon();
  for (std::size_t length = 0; length < whole.size(); length += 7) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_TRUE(ReadIconImages(cut).empty()) << length;
  }
  Bytes wrongDepth = whole;
  wrongDepth[22 + 14] = 5;
  EXPECT_TRUE(ReadIconImages(wrongDepth).empty());
  Bytes hugeOffset = whole;
  hugeOffset[18] = 0xFF;
  hugeOffset[21] = 0x7F;
  EXPECT_TRUE(ReadIconImages(hugeOffset).empty());
}

}  // namespace
