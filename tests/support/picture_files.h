#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The picture files the tests read (tests/data, drawn by tools/make_test_pictures), and a folder
// of their own to write them to, which goes with them.

using Bytes = std::vector<std::uint8_t>;
// A picture's colour at (x, y), as blue, green and red.
using PictureColour = std::function<std::array<std::uint8_t, 3>(int x, int y)>;

enum class TestPicture {
  kPatternBmp,  // 40 by 30 pixels of PatternColour
  kPatternPng,  // 30 by 40 pixels of PatternColour
  kSmallJpeg,   // 16 by 12 pixels of JpegGradient
  kLargeJpeg,   // 1024 by 768 pixels of JpegGradient
  kHugePng,     // a header that promises 30000 by 30000 pixels, and no data
};

Bytes TestPictureFile(TestPicture picture);
std::array<std::uint8_t, 3> PatternColour(int x, int y);
std::array<std::uint8_t, 3> JpegGradient(int x, int y, int width, int height);

// The path as the layer takes file names, in wide text. (The standard library's own wide form
// of a path knows only ASCII off Windows.)
std::wstring WideName(const std::filesystem::path& path);

class PictureFolder {
 public:
  PictureFolder();
  ~PictureFolder();
  PictureFolder(const PictureFolder&) = delete;
  PictureFolder& operator=(const PictureFolder&) = delete;

  // Writes the bytes to a file of that name in the folder; returns its path.
  std::filesystem::path Write(const std::filesystem::path& name, const Bytes& bytes) const;
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};
