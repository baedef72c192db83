#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/additions.h"
#include "tests/support/picture_files.h"

namespace {

using platform::Picture;
using platform::PictureRead;

PictureRead Read(const std::filesystem::path& path, Picture& picture) {
  return platform::ReadPictureFile(WideName(path).c_str(), 128, 96, picture);
}

std::array<std::uint8_t, 3> Colour(const Picture& picture, int x, int y) {
  const std::uint8_t* pixel =
      &picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 4];
  return {pixel[0], pixel[1], pixel[2]};
}

// How far the picture's colours stray from `expected`, at most, over its pixels.
int LargestError(const Picture& picture, const PictureColour& expected) {
  int largest = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const auto shown = Colour(picture, x, y);
      const auto wanted = expected(x, y);
      for (std::size_t c = 0; c < 3; ++c) {
        largest = std::max(largest, std::abs(shown[c] - wanted[c]));
      }
    }
  }
  return largest;
}

const PictureColour kPattern = [](int x, int y) {
  return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(x * 40),
                                     static_cast<std::uint8_t>(y * 90 + 5),
                                     static_cast<std::uint8_t>(255 - x * y)};
};

TEST(PictureFile, ReadsEachFormatWithItsPixelsUnderAnyName) {
  const PictureFolder folder;
  for (const auto& [name, bytes] :
       {std::pair{std::filesystem::path("pattern.bmp"), BmpFile(5, 3, kPattern)},
        std::pair{std::filesystem::path("pattern.png"), PngFile(5, 3, kPattern)},
        std::pair{std::filesystem::path(u8"caf\u00e9 \u65e5\u672c.png"),
                  PngFile(5, 3, kPattern)}}) {
    Picture picture;
    ASSERT_EQ(Read(folder.Write(name, bytes), picture), PictureRead::kRead) << name;
    ASSERT_EQ(std::pair(picture.width, picture.height), std::pair(5, 3));
    EXPECT_EQ(LargestError(picture, kPattern), 0) << name;
  }
  Picture jpeg;
  ASSERT_EQ(Read(folder.Write("small.jpg", SmallJpegFile()), jpeg), PictureRead::kRead);
  ASSERT_EQ(std::pair(jpeg.width, jpeg.height), std::pair(16, 12));
  EXPECT_LE(LargestError(jpeg, [](int x, int y) { return JpegGradient(x, y, 16, 12); }), 12);
}

// A large picture may come reduced, as a JPEG decoder reduces cheaply, but still covers the
// preview with its own proportions.
TEST(PictureFile, ALargePictureStillCoversThePreview) {
  const PictureFolder folder;
  Picture picture;
  ASSERT_EQ(Read(folder.Write("large.jpg", LargeJpegFile()), picture), PictureRead::kRead);
  EXPECT_GE(picture.width, 128);
  EXPECT_GE(picture.height, 96);
  EXPECT_LE(picture.width, 1024);
  EXPECT_EQ(picture.width * 3, picture.height * 4);
  EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(picture.width) * picture.height * 4);
  EXPECT_LE(
      LargestError(picture,
                   [&](int x, int y) { return JpegGradient(x, y, picture.width, picture.height); }),
      12);
}

TEST(PictureFile, RefusesWhatItCannotShowAndSaysWhy) {
  const PictureFolder folder;
  Bytes cut = PngFile(64, 48, kPattern);
  cut.resize(cut.size() / 2);
  Bytes cutJpeg = LargeJpegFile();
  cutJpeg.resize(cutJpeg.size() / 2);
  std::filesystem::create_directory(folder.Path() / "folder.png");
  const std::pair<std::filesystem::path, PictureRead> cases[] = {
      {folder.Path() / "missing.png", PictureRead::kNoSuchFile},
      {folder.Path() / "folder.png", PictureRead::kFolder},
      {folder.Write("empty.png", {}), PictureRead::kEmpty},
      {folder.Write("words.png", Bytes{'w', 'o', 'r', 'd', 's'}), PictureRead::kNotAPicture},
      {folder.Write("cut.png", cut), PictureRead::kDamaged},
      {folder.Write("cut.jpg", cutJpeg), PictureRead::kDamaged},
      // 30000 by 30000 pixels promised: 3.4 GiB of them, refused before any is decoded.
      {folder.Write("huge.png", PngClaiming(30000, 30000)), PictureRead::kTooLarge},
  };
  for (const auto& [path, expected] : cases) {
    Picture picture;
    EXPECT_EQ(Read(path, picture), expected) << path;
    EXPECT_TRUE(picture.pixels.empty()) << path;
  }
}

}  // namespace
