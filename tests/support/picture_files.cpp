#include "tests/support/picture_files.h"

#include <fstream>
#include <random>
#include <span>

// The files of tests/data, embedded.
extern const std::uint8_t kPatternBmp[];
extern const std::size_t kPatternBmpSize;
extern const std::uint8_t kPatternPng[];
extern const std::size_t kPatternPngSize;
extern const std::uint8_t kSmallJpeg[];
extern const std::size_t kSmallJpegSize;
extern const std::uint8_t kLargeJpeg[];
extern const std::size_t kLargeJpegSize;
extern const std::uint8_t kHugePng[];
extern const std::size_t kHugePngSize;

Bytes TestPictureFile(TestPicture picture) {
  const std::span<const std::uint8_t> files[] = {{kPatternBmp, kPatternBmpSize},
                                                 {kPatternPng, kPatternPngSize},
                                                 {kSmallJpeg, kSmallJpegSize},
                                                 {kLargeJpeg, kLargeJpegSize},
                                                 {kHugePng, kHugePngSize}};
  const std::span<const std::uint8_t> file = files[static_cast<std::size_t>(picture)];
  return Bytes(file.begin(), file.end());
}

// As tools/make_test_pictures draws them.
std::array<std::uint8_t, 3> PatternColour(int x, int y) {
  return {static_cast<std::uint8_t>(x * y * 3 % 256),
          static_cast<std::uint8_t>((y * 53 + 40) % 256),
          static_cast<std::uint8_t>((x * 31 + y * 7) % 256)};
}

std::array<std::uint8_t, 3> JpegGradient(int x, int y, int width, int height) {
  return {static_cast<std::uint8_t>(200 - x * 64 / width),
          static_cast<std::uint8_t>(60 + y * 120 / height),
          static_cast<std::uint8_t>(40 + x * 128 / width)};
}

std::wstring WideName(const std::filesystem::path& path) {
#if defined(_WIN32)
  return path.wstring();
#else
  const std::u32string name = path.u32string();
  return std::wstring(name.begin(), name.end());
#endif
}

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
