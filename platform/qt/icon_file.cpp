#include "platform/qt/icon_file.h"

#include <algorithm>
#include <cstddef>

namespace platform::qt {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16);
}

std::size_t RowBytes(std::size_t width, std::size_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// One entry: a bitmap header, a palette for paletted depths, the colour rows and the mask
// rows, both bottom up.
QImage ReadEntry(std::span<const std::uint8_t> image) {
  if (image.size() < kInfoHeaderSize || Read32(image, 0) != kInfoHeaderSize) {
    return {};
  }
  const std::size_t width = Read32(image, 4);
  const std::size_t height = Read32(image, 8) / 2;
  const std::size_t depth = Read16(image, 14);
  if (width == 0 || width > 256 || height == 0 || height > 256 || Read32(image, 16) != 0 ||
      (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32)) {
    return {};
  }
  const std::size_t colours =
      depth <= 8 ? (Read32(image, 32) != 0 ? Read32(image, 32) : 1u << depth) : 0;
  const std::size_t paletteAt = kInfoHeaderSize;
  const std::size_t pixelsAt = paletteAt + 4 * colours;
  const std::size_t maskAt = pixelsAt + RowBytes(width, depth) * height;
  if (colours > 256 || maskAt + RowBytes(width, 1) * height > image.size()) {
    return {};
  }
  QImage result(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
  for (std::size_t y = 0; y < height; ++y) {
    const std::size_t row = height - 1 - y;
    const std::size_t rowAt = pixelsAt + row * RowBytes(width, depth);
    const std::size_t maskRowAt = maskAt + row * RowBytes(width, 1);
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(static_cast<int>(y)));
    for (std::size_t x = 0; x < width; ++x) {
      QRgb colour = 0;
      if (depth <= 8) {
        const std::size_t bit = x * depth;
        const std::size_t index =
            (image[rowAt + bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
        if (index >= colours) {
          return {};
        }
        const std::size_t at = paletteAt + 4 * index;
        colour = qRgb(image[at + 2], image[at + 1], image[at]);
      } else {
        const std::size_t at = rowAt + x * depth / 8;
        const int alpha = depth == 32 ? image[at + 3] : 255;
        colour = qRgba(image[at + 2], image[at + 1], image[at], alpha);
      }
      const bool transparent = ((image[maskRowAt + x / 8] >> (7 - x % 8)) & 1) != 0;
      line[x] = transparent ? 0 : colour;
    }
  }
  return result;
}

}  // namespace

QImage ReadIconImage(std::span<const std::uint8_t> file, int size) {
  if (file.size() < kDirectorySize || Read16(file, 0) != 0 || Read16(file, 2) != 1) {
    return {};
  }
  const std::size_t count = std::min<std::size_t>(Read16(file, 4), kIconEntriesRead);
  for (std::size_t entry = 0; entry < count; ++entry) {
    const std::size_t at = kDirectorySize + entry * kEntrySize;
    if (at + kEntrySize > file.size()) {
      break;
    }
    // The directory gives each entry's size (0 standing for 256) before anything is decoded.
    const int width = file[at] == 0 ? 256 : file[at];
    const int height = file[at + 1] == 0 ? 256 : file[at + 1];
    const std::size_t length = Read32(file, at + 8);
    const std::size_t offset = Read32(file, at + 12);
    if (width != size || height != size || offset > file.size() || length > file.size() - offset) {
      continue;
    }
    if (QImage image = ReadEntry(file.subspan(offset, length));
        !image.isNull() && image.width() == size && image.height() == size) {
      return image;
    }
  }
  return {};
}

}  // namespace platform::qt
