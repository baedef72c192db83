// Windows' own types first: <psapi.h> takes them for granted.
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <array>

#include "platform/additions.h"
#include "tests/support/picture_files.h"

namespace {

using platform::Picture;
using platform::PictureRead;

constexpr long long kMiB = 1 << 20;

PictureRead Read(const std::filesystem::path& path, Picture& picture) {
  return platform::ReadPictureFile(path.c_str(), 128, 96, picture);
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// Wine's decoders decode every pixel while they are being made: the size must come from the
// header first. A JPEG whose frame header promises 30000 by 30000 pixels would take 2.5 GiB.
TEST(PictureDecoder, RefusesAJpegTooLargeBeforeItTakesMemory) {
  Bytes jpeg = TestPictureFile(TestPicture::kSmallJpeg);
  const std::array<std::uint8_t, 2> frameHeader{0xFF, 0xC0};
  const auto frame = std::search(jpeg.begin(), jpeg.end(), frameHeader.begin(), frameHeader.end());
  ASSERT_NE(frame, jpeg.end());
  std::copy_n(std::array<std::uint8_t, 4>{0x75, 0x30, 0x75, 0x30}.begin(), 4, frame + 5);
  const PictureFolder folder;
  const auto path = folder.Write("huge.jpg", jpeg);
  const auto peakBefore = static_cast<long long>(Memory().PeakWorkingSetSize);
  Picture picture;
  EXPECT_EQ(Read(path, picture), PictureRead::kTooLarge);
  EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(30000, 30000));
  EXPECT_LT(static_cast<long long>(Memory().PeakWorkingSetSize) - peakBefore, 64 * kMiB);
}

TEST(PictureDecoder, AFileHeldWithoutSharingIsUnreadable) {
  const PictureFolder folder;
  const auto path = folder.Write("held.jpg", TestPictureFile(TestPicture::kSmallJpeg));
  const HANDLE held =
      CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Picture picture;
  EXPECT_EQ(Read(path, picture), PictureRead::kUnreadable);
  CloseHandle(held);
  EXPECT_EQ(Read(path, picture), PictureRead::kRead);
}

// Each reading makes a factory, a stream, a decoder, a frame and a converter. Under Wine a
// decoder holds the whole decoded picture: one kept per reading would keep megabytes.
TEST(PictureDecoder, ReadingsKeepNoneOfWhatTheyMake) {
  const PictureFolder folder;
  const auto path = folder.Write("large.jpg", TestPictureFile(TestPicture::kLargeJpeg));
  const auto readSome = [&](int count) {
    for (int reading = 0; reading < count; ++reading) {
      Picture picture;
      ASSERT_EQ(Read(path, picture), PictureRead::kRead);
    }
  };
  readSome(5);
  const auto before = static_cast<long long>(Memory().PagefileUsage);
  readSome(50);
  EXPECT_LT(static_cast<long long>(Memory().PagefileUsage) - before, 8 * kMiB);
}

}  // namespace
