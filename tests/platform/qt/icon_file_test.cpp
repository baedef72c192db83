#include "platform/qt/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::qt::ReadIconImage;

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The bitmap of an 8 by 8 four-bit icon entry: palette index (x + y) % 4 at (x, y), with the
// top left pixel transparent.
Bytes FourBitImage() {
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
  return image;
}

// An .ico whose directory has one entry per size given, every one pointing at the same 8 by 8
// image.
Bytes IconFile(const std::vector<std::uint8_t>& entrySizes) {
  const Bytes image = FourBitImage();
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<unsigned>(entrySizes.size()));
  const auto imageAt = static_cast<unsigned>(6 + 16 * entrySizes.size());
  for (std::uint8_t size : entrySizes) {
    file.insert(file.end(), {size, size, 16, 0});
    Put16(file, 1);
    Put16(file, 4);
    Put32(file, static_cast<unsigned>(image.size()));
    Put32(file, imageAt);
  }
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

TEST(IconFile, ReadsPalettedEntriesWithTheirMask) {
  const QImage image = ReadIconImage(IconFile({8}), 8);
  ASSERT_EQ(image.size(), QSize(8, 8));
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(2, 0), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(3, 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 255, 0));
  EXPECT_TRUE(ReadIconImage(IconFile({8}), 16).isNull());
}

TEST(IconFile, DamagedFilesGiveNothing) {
  const Bytes whole = IconFile({8});
  for (std::size_t length = 0; length < whole.size(); length += 7) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_TRUE(ReadIconImage(cut, 8).isNull()) << length;
  }
  Bytes wrongDepth = whole;
  wrongDepth[22 + 14] = 5;
  EXPECT_TRUE(ReadIconImage(wrongDepth, 8).isNull());
  Bytes hugeOffset = whole;
  hugeOffset[18] = 0xFF;
  hugeOffset[21] = 0x7F;
  EXPECT_TRUE(ReadIconImage(hugeOffset, 8).isNull());
  Bytes sizeDisagrees = whole;
  sizeDisagrees[6] = 16;  // the directory says 16 by 16, the bitmap is 8 by 8
  sizeDisagrees[7] = 16;
  EXPECT_TRUE(ReadIconImage(sizeDisagrees, 16).isNull());
}

TEST(IconFile, LooksAtTheFirstEntriesOnly) {
  std::vector<std::uint8_t> sizes(65535, 0);  // 256 by 256, a size never asked for
  sizes[platform::qt::kIconEntriesRead - 1] = 8;
  EXPECT_FALSE(ReadIconImage(IconFile(sizes), 8).isNull());
  sizes[platform::qt::kIconEntriesRead - 1] = 0;
  sizes.back() = 8;
  EXPECT_TRUE(ReadIconImage(IconFile(sizes), 8).isNull());
}

}  // namespace
