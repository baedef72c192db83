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

// How far the picture's colours stray from `expected`, at most.
int LargestError(const Picture& picture, const PictureColour& expected) {
  int largest = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const auto wanted = expected(x, y);
      for (std::size_t c = 0; c < 3; ++c) {
        const int shown = picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 4 + c];
        largest = std::max(largest, std::abs(shown - wanted[c]));
      }
    }
  }
  return largest;
}

// Each format with its pixels, under any name; a large picture may come reduced, as a JPEG
// decoder reduces cheaply, but still covers the preview with its own proportions.
TEST(PictureFile, ReadsEachFormatWithItsPixels) {
  const PictureFolder folder;
  const struct {
    TestPicture picture;
    std::filesystem::path name;
    int width;
    int height;
    int error;  // what a lossy format may stray by
  } cases[] = {{TestPicture::kPatternBmp, "pattern.bmp", 40, 30, 0},
               {TestPicture::kPatternPng, u8"caf\u00e9 \u65e5\u672c.png", 30, 40, 0},
               {TestPicture::kSmallJpeg, "small.jpg", 16, 12, 12}};
  for (const auto& c : cases) {
    Picture picture;
    ASSERT_EQ(Read(folder.Write(c.name, TestPictureFile(c.picture)), picture), PictureRead::kRead);
    ASSERT_EQ(std::pair(picture.width, picture.height), std::pair(c.width, c.height));
    EXPECT_LE(LargestError(
                  picture, c.error == 0 ? PictureColour(PatternColour)
                                        : [&](int x, int y) { return JpegGradient(x, y, 16, 12); }),
              c.error);
  }
  Picture large;
  ASSERT_EQ(Read(folder.Write("large.jpg", TestPictureFile(TestPicture::kLargeJpeg)), large),
            PictureRead::kRead);
  EXPECT_GE(large.height, 96);
  EXPECT_LE(large.width, 1024);
  EXPECT_EQ(large.width * 3, large.height * 4);
  EXPECT_LE(LargestError(
                large, [&](int x, int y) { return JpegGradient(x, y, large.width, large.height); }),
            12);
}

TEST(PictureFile, RefusesWhatItCannotShowAndSaysWhy) {
  const PictureFolder folder;
  Bytes cut = TestPictureFile(TestPicture::kPatternPng);
  cut.resize(cut.size() / 2);
  Bytes cutJpeg = TestPictureFile(TestPicture::kLargeJpeg);
  cutJpeg.resize(cutJpeg.size() / 2);
  std::filesystem::create_directory(folder.Path() / "folder.png");
  const std::pair<std::filesystem::path, PictureRead> cases[] = {
      {folder.Path() / "missing.png", PictureRead::kNoSuchFile},
      {folder.Path() / "folder.png", PictureRead::kFolder},
      {folder.Write("empty.png", {}), PictureRead::kEmpty},
      {folder.Write("words.png", Bytes{'w', 'o', 'r', 'd', 's'}), PictureRead::kNotAPicture},
      {folder.Write("cut.png", cut), PictureRead::kDamaged},
      {folder.Write("cut.jpg", cutJpeg), PictureRead::kDamaged},
      // 3.4 GiB of pixels promised, refused before any is decoded.
      {folder.Write("huge.png", TestPictureFile(TestPicture::kHugePng)), PictureRead::kTooLarge},
  };
  for (const auto& [path, expected] : cases) {
    Picture picture;
    EXPECT_EQ(Read(path, picture), expected) << path;
    EXPECT_TRUE(picture.pixels.empty()) << path;
  }
}

}  // namespace
