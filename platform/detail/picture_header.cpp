#include "platform/detail/picture_header.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace platform::detail {

namespace {

constexpr std::array<BYTE, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<BYTE, 3> kJpegSignature{0xFF, 0xD8, 0xFF};
constexpr std::array<BYTE, 2> kBmpSignature{'B', 'M'};
constexpr std::size_t kPngSizeAt = 16;  // after the signature, the header chunk's length and type
constexpr std::array<BYTE, 4> kPngHeaderChunk{'I', 'H', 'D', 'R'};
constexpr std::size_t kBmpInfoAt = 14;  // after the file header
// The info headers a BMP may have: the old one with 16-bit sizes, and the 32-bit ones by version.
constexpr std::uint32_t kBmpCoreHeader = 12;
constexpr std::array<std::uint32_t, 6> kBmpInfoHeaders{40, 52, 56, 64, 108, 124};

template <std::size_t N>
bool StartsWith(std::span<const BYTE> bytes, const std::array<BYTE, N>& start) {
  return bytes.size() >= N && std::equal(start.begin(), start.end(), bytes.begin());
}

std::uint32_t BigEndian(std::span<const BYTE> bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    value = value << 8 | bytes[at + i];
  }
  return value;
}

std::uint32_t LittleEndian(std::span<const BYTE> bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i > 0; --i) {
    value = value << 8 | bytes[at + i - 1];
  }
  return value;
}

// No format allows an empty picture, nor one wider or taller than a signed 32-bit number says.
PictureHeader Sized(std::uint32_t width, std::uint32_t height) {
  constexpr std::uint32_t kLargestSide = std::numeric_limits<std::int32_t>::max();
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
    return {PictureRead::kDamaged};
  }
  return {PictureRead::kRead, width, height};
}

PictureHeader PngHeader(std::span<const BYTE> bytes) {
  if (bytes.size() < kPngSizeAt + 8 ||
      !std::equal(kPngHeaderChunk.begin(), kPngHeaderChunk.end(), bytes.begin() + 12)) {
    return {PictureRead::kDamaged};
  }
  return Sized(BigEndian(bytes, kPngSizeAt, 4), BigEndian(bytes, kPngSizeAt + 4, 4));
}

// Start of frame: every coding process's marker from 0xC0 to 0xCF but the tables' (0xC4, 0xCC)
// and the one JPEG keeps for itself (0xC8).
bool IsFrameHeader(BYTE marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: the restarts and TEM.
bool StandsAlone(BYTE marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// The segments after the start marker, each a marker and its length, up to the frame header;
// the image data (0xDA) or the end (0xD9) before one means the header is lost.
PictureHeader JpegHeader(std::span<const BYTE> bytes) {
  std::size_t at = 2;
  while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
    const BYTE marker = bytes[at + 1];
    if (marker == 0xFF) {  // a fill byte before the marker
      ++at;
    } else if (StandsAlone(marker)) {
      at += 2;
    } else if (IsFrameHeader(marker)) {
      // Its length, the sample precision, then the height and width.
      if (at + 9 > bytes.size()) {
        break;
      }
      return Sized(BigEndian(bytes, at + 7, 2), BigEndian(bytes, at + 5, 2));
    } else if (marker == 0xDA || marker == 0xD9) {
      break;
    } else {
      at += 2 + BigEndian(bytes, at + 2, 2);
    }
  }
  return {PictureRead::kDamaged};
}

PictureHeader BmpHeader(std::span<const BYTE> bytes) {
  if (bytes.size() < kBmpInfoAt + 4) {
    return {PictureRead::kNotAPicture};
  }
  const std::uint32_t infoSize = LittleEndian(bytes, kBmpInfoAt, 4);
  const bool core = infoSize == kBmpCoreHeader;
  if (!core && std::find(kBmpInfoHeaders.begin(), kBmpInfoHeaders.end(), infoSize) ==
                   kBmpInfoHeaders.end()) {
    return {PictureRead::kNotAPicture};
  }
  if (bytes.size() < kBmpInfoAt + infoSize) {
    return {PictureRead::kDamaged};
  }
  if (core) {
    return Sized(LittleEndian(bytes, kBmpInfoAt + 4, 2), LittleEndian(bytes, kBmpInfoAt + 6, 2));
  }
  // Signed: a negative height stands for rows stored top first; a negative width for nothing.
  const auto width = static_cast<std::int32_t>(LittleEndian(bytes, kBmpInfoAt + 4, 4));
  const auto height = static_cast<std::int32_t>(LittleEndian(bytes, kBmpInfoAt + 8, 4));
  if (width < 0) {
    return {PictureRead::kDamaged};
  }
  return Sized(static_cast<std::uint32_t>(width),
               static_cast<std::uint32_t>(std::abs(static_cast<std::int64_t>(height))));
}

}  // namespace

PictureHeader ReadPictureHeader(std::span<const BYTE> file) {
  if (StartsWith(file, kBmpSignature)) {
    return BmpHeader(file);
  }
  if (StartsWith(file, kJpegSignature)) {
    PictureHeader header = JpegHeader(file);
    header.jpeg = true;
    return header;
  }
  if (StartsWith(file, kPngSignature)) {
    return PngHeader(file);
  }
  return {PictureRead::kNotAPicture};
}

}  // namespace platform::detail
