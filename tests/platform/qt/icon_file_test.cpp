#include "platform/qt/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::qt::ReadIconImage;
using Bytes = std::vector<std::uint8_t>;

// Appends `value` little-endian in `bytes` bytes.
void Put(Bytes& out, unsigned value, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

// An .ico whose directory has one entry per size given, every one pointing at the same 8 by 8
// four-bit image: palette index (x + y) % 4 at (x, y), the top left pixel transparent.
Bytes IconFile(const std::vector<std::uint8_t>& entrySizes) {
  constexpr unsigned kImageBytes = 40 + 16 * 4 + 8 * 4 + 8 * 4;
  Bytes file;
  Put(file, 0, 2);
  Put(file, 1, 2);
  Put(file, static_cast<unsigned>(entrySizes.size()), 2);
  for (std::uint8_t size : entrySizes) {
    file.insert(file.end(), {size, size, 16, 0, 1, 0, 4, 0});
    Put(file, kImageBytes);
    Put(file, static_cast<unsigned>(6 + 16 * entrySizes.size()));
  }
  for (unsigned value : {40u, 8u, 16u, 0x40001u, 0u, 0u, 0u, 0u, 16u, 0u}) {
    Put(file, value);  // the header: size, width, twice the height, one plane of 4 bits, ...
  }
  constexpr unsigned kPalette[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // as 0xRRGGBB
  for (int i = 0; i < 16; ++i) {
    Put(file, kPalette[i % 4]);
  }
  for (int row = 7; row >= 0; --row) {  // bottom up, four bytes a row
    for (int x = 0; x < 8; x += 2) {
      file.push_back(static_cast<std::uint8_t>(((x + row) % 4) << 4 | ((x + 1 + row) % 4)));
    }
  }
  for (int row = 7; row >= 0; --row) {
    Put(file, row == 0 ? 0x80 : 0);  // the mask
  }
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
    EXPECT_TRUE(ReadIconImage(std::span(whole).first(length), 8).isNull()) << length;
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
