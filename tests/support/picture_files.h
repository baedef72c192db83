#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Picture files the tests write, in a folder of their own that goes with them.

using Bytes = std::vector<std::uint8_t>;
// A picture's colour at (x, y), as blue, green and red.
using PictureColour = std::function<std::array<std::uint8_t, 3>(int x, int y)>;

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

// The path as the layer takes file names, in wide text. (The standard library's own wide form
// of a path knows only ASCII off Windows.)
std::wstring WideName(const std::filesystem::path& path);

// An uncompressed 24-bit BMP, and a PNG (8-bit RGB, its data stored without compression), of
// `width` by `height` pixels of the colours given.
Bytes BmpFile(int width, int height, const PictureColour& colour);
Bytes PngFile(int width, int height, const PictureColour& colour);
// A PNG whose header promises `width` by `height` pixels and whose data holds none.
Bytes PngClaiming(int width, int height);
// JPEGs of the same smooth gradient at 16 by 12 and 1024 by 768 pixels, and that gradient.
Bytes SmallJpegFile();
Bytes LargeJpegFile();
std::array<std::uint8_t, 3> JpegGradient(int x, int y, int width, int height);
