#include "tests/support/picture_files.h"

#include <array>
#include <fstream>
#include <random>

extern const std::uint8_t kSmallJpeg[];
extern const std::size_t kSmallJpegSize;
extern const std::uint8_t kLargeJpeg[];
extern const std::size_t kLargeJpegSize;

namespace {

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void Put32BigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

std::uint32_t Crc32(const Bytes& bytes, std::size_t from) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = from; i < bytes.size(); ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

void PngChunk(Bytes& png, const char* type, const Bytes& data) {
  Put32BigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  Put32BigEndian(png, Crc32(png, typeAt));
}

}  // namespace

PictureFolder::PictureFolder() {
  std::random_device random;
  m_path = std::filesystem::temp_directory_path() / ("veh-pictures-" + std::to_string(random()));
  std::filesystem::create_directories(m_path);
}

PictureFolder::~PictureFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path PictureFolder::Write(const std::filesystem::path& name,
                                           const Bytes& bytes) const {
  const std::filesystem::path path = m_path / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::wstring WideName(const std::filesystem::path& path) {
#if defined(_WIN32)
  return path.wstring();
#else
  const std::u32string name = path.u32string();
  return std::wstring(name.begin(), name.end());
#endif
}

Bytes BmpFile(int width, int height, const PictureColour& colour) {
  const auto rowBytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
  Bytes bmp{'B', 'M'};
  Put32(bmp, 54 + pixelBytes);
  Put32(bmp, 0);
  Put32(bmp, 54);
  for (std::uint32_t field :
       {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) {
    Put32(bmp, field);
  }
  Put16(bmp, 1);
  Put16(bmp, 24);
  for (int field = 0; field < 6; ++field) {
    Put32(bmp, field == 1 ? pixelBytes : 0);
  }
  for (int y = height - 1; y >= 0; --y) {  // bottom row first
    const std::size_t rowStart = bmp.size();
    for (int x = 0; x < width; ++x) {
      const auto bgr = colour(x, y);
      bmp.insert(bmp.end(), bgr.begin(), bgr.end());
    }
    bmp.resize(rowStart + rowBytes, 0);
  }
  return bmp;
}

Bytes PngFile(int width, int height, const PictureColour& colour) {
  Bytes header;
  Put32BigEndian(header, static_cast<std::uint32_t>(width));
  Put32BigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlacing
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const auto bgr = colour(x, y);
      raw.insert(raw.end(), {bgr[2], bgr[1], bgr[0]});
    }
  }
  // zlib: stored blocks of at most 65535 bytes, then the Adler-32 of the data.
  Bytes data{0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    data.push_back(at + length >= raw.size() ? 1 : 0);
    Put16(data, static_cast<std::uint32_t>(length));
    Put16(data, static_cast<std::uint32_t>(~length & 0xFFFF));
    data.insert(data.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                raw.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put32BigEndian(data, (b << 16) | a);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", data);
  PngChunk(png, "IEND", {});
  return png;
}

Bytes PngClaiming(int width, int height) {
  Bytes header;
  Put32BigEndian(header, static_cast<std::uint32_t>(width));
  Put32BigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", {0x78, 0x01, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01});
  PngChunk(png, "IEND", {});
  return png;
}

Bytes SmallJpegFile() {
  return Bytes(kSmallJpeg, kSmallJpeg + kSmallJpegSize);
}

Bytes LargeJpegFile() {
  return Bytes(kLargeJpeg, kLargeJpeg + kLargeJpegSize);
}

// As tools/make_test_jpegs drew it.
std::array<std::uint8_t, 3> JpegGradient(int x, int y, int width, int height) {
  return {static_cast<std::uint8_t>(200 - x * 64 / width),
          static_cast<std::uint8_t>(60 + y * 120 / height),
          static_cast<std::uint8_t>(40 + x * 128 / width)};
}
