#include "platform/qt/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::qt::ReadIconImage;
using Bytes = std::vector<std::uint8_t>;

// An .ico of one 8 by 8 four-bit image, said in its directory to be `size` by `size`: palette
// index (x + y) % 4 at (x, y), the top left pixel transparent.
Bytes IconFile(std::uint8_t size = 8) {
  Bytes file{0, 0, 1, 0, 1, 0, size, size, 4, 0, 1, 0, 4, 0};  // an icon of one 4-bit entry
  const auto put = [&file](unsigned value, int bytes) {        // little-endian
    for (int i = 0; i < bytes; ++i) {
      file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
  };
  // The image's length and place; its header (size, width, twice the height, one plane of 4
  // bits, ..., 4 colours) and palette.
  for (unsigned value : {40u + 16 + 32 + 32, 22u, 40u, 8u, 16u, 0x40001u, 0u, 0u, 0u, 0u, 4u, 0u,
                         0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) {
    put(value, 4);
  }
  for (int row = 7; row >= 0; --row) {  // bottom up, four bytes a row
    for (int x = 0; x < 8; x += 2) {
      file.push_back(static_cast<std::uint8_t>(((x + row) % 4) << 4 | ((x + 1 + row) % 4)));
    }
  }
  for (int row = 7; row >= 0; --row) {
    put(row == 0 ? 0x80 : 0, 4);  // the mask
  }
  return file;
}

TEST(IconFile, ReadsPalettedEntriesWithTheirMaskAtTheAskedSizeOnly) {
  const QImage image = ReadIconImage(IconFile(), 8);
  ASSERT_EQ(image.size(), QSize(8, 8));
  const QRgb palette[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  for (int i = 0; i < 64; ++i) {
    EXPECT_EQ(image.pixel(i % 8, i / 8), i == 0 ? 0u : palette[(i % 8 + i / 8) % 4]) << i;
  }
  EXPECT_TRUE(ReadIconImage(IconFile(), 16).isNull());
}

TEST(IconFile, DamagedFilesGiveNothing) {
  const Bytes whole = IconFile();
  for (std::size_t length = 0; length < whole.size(); length += 7) {
    EXPECT_TRUE(ReadIconImage(std::span(whole).first(length), 8).isNull()) << length;
  }
  Bytes crafted = whole;
  crafted[21] = 0x7F;  // the image far past the end
  EXPECT_TRUE(ReadIconImage(crafted, 8).isNull());
  EXPECT_TRUE(ReadIconImage(IconFile(16), 16).isNull());  // the bitmap is 8 by 8
}

}  // namespace
