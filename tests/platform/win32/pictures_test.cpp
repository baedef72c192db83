// Windows' own types first: <psapi.h> takes them for granted.
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <filesystem>
#include <string>
#include <vector>

#include "logic/preview_pixels.h"
#include "platform/additions.h"
#include "platform/gdi.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/picture_files.h"

namespace {

using platform::Picture;
using platform::PictureRead;

constexpr long long kMiB = 1 << 20;

PictureRead Read(const std::filesystem::path& path) {
  Picture picture;
  return platform::ReadPictureFile(path.c_str(), 128, 96, picture);
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// Whatever the system's code page, files come under their whole names: dropped (the shell's
// HDROP) or chosen in the open-file dialog, which, cancelled, gives none.
TEST_F(ProbeTest, FilesDroppedOrChosenComeUnderTheirWholeNames) {
  const PictureFolder folder;
  const std::filesystem::path named = folder.Write(u8"caf\u00e9 \u65e5\u672c.png", {'x'});
  const std::vector<std::filesystem::path> files{folder.Write("a.bmp", {}), named};
  InProbe([&] {
    DragAcceptFiles(dialog.m_hWnd, TRUE);
    DropFiles(dialog, files);
    ASSERT_EQ(dialog.drops.size(), 1u);
    std::vector<std::filesystem::path> dropped;
    for (UINT i = 0; i < DragQueryFileW(dialog.drops[0], 0xFFFFFFFF, nullptr, 0); ++i) {
      std::wstring name(DragQueryFileW(dialog.drops[0], i, nullptr, 0), L'\0');
      DragQueryFileW(dialog.drops[0], i, name.data(), static_cast<UINT>(name.size() + 1));
      dropped.emplace_back(name);
    }
    DragFinish(dialog.drops[0]);
    EXPECT_EQ(dropped, files);

    std::wstring chosen(MAX_PATH, L'\0');
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog.m_hWnd;
    open.lpstrFilter = L"Pictures\0*.png;*.jpg;*.jpeg;*.bmp\0";
    open.lpstrFile = chosen.data();
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    WhenFileDialogShows(named);
    ASSERT_TRUE(GetOpenFileNameW(&open));
    EXPECT_EQ(std::filesystem::path(chosen.c_str()), named);
    WhenFileDialogShows({});
    EXPECT_FALSE(GetOpenFileNameW(&open));
    EXPECT_EQ(CommDlgExtendedError(), 0u);  // cancelled, not failed
  });
}

TEST(PictureDecoder, AFileHeldWithoutSharingIsUnreadable) {
  const PictureFolder folder;
  const auto path = folder.Write("held.jpg", TestPictureFile(TestPicture::kSmallJpeg));
  const HANDLE held =
      CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read(path), PictureRead::kUnreadable);
  CloseHandle(held);
  EXPECT_EQ(Read(path), PictureRead::kRead);
}

// Each reading makes a factory, a stream, a decoder, a frame and a converter. Under Wine a
// decoder holds the whole decoded picture: one kept per reading would keep megabytes.
TEST(PictureDecoder, ReadingsKeepNoneOfWhatTheyMake) {
  const PictureFolder folder;
  const auto large = folder.Write("large.jpg", TestPictureFile(TestPicture::kLargeJpeg));
  const auto readLarge = [&](int times) {
    for (int reading = 0; reading < times; ++reading) {
      ASSERT_EQ(Read(large), PictureRead::kRead);
    }
  };
  readLarge(5);
  const auto before = static_cast<long long>(Memory().PagefileUsage);
  readLarge(50);
  EXPECT_LT(static_cast<long long>(Memory().PagefileUsage) - before, 8 * kMiB);
}

// On a display of 16 bits per pixel the bitmap keeps five bits of each channel, as 5-5-5 pixels
// top row first; at 32 all eight, and an opaque fourth byte. Either way the layer copies at most
// the bitmap's size, and a write of part of it keeps the rest.
TEST(BitmapBits, BitmapsOfEachDepthTakeAndGiveThirtyTwoBitPixels) {
  constexpr std::size_t kRow = 128 * 4;
  Bytes pattern(kPreviewByteCount + 100);  // more than the bitmap holds
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // Colours that differ from row to row, with a fourth byte the bitmap must not keep.
    pattern[i] = static_cast<std::uint8_t>(i % 4 == kPreviewFourthByte ? 0x12 : i / kRow + i * 3);
  }
  for (const UINT depth : {16u, 32u}) {
    SCOPED_TRACE(depth);
    CBitmap bitmap;
    bitmap.Attach(CreateBitmap(128, 96, 1, depth, nullptr));
    ASSERT_EQ(bitmap.SetBitmapBits(static_cast<DWORD>(pattern.size()), pattern.data()),
              kPreviewByteCount);
    const Bytes white(kRow, 0xFF);
    ASSERT_EQ(bitmap.SetBitmapBits(static_cast<DWORD>(kRow), white.data()), kRow);
    Bytes back(pattern.size());
    ASSERT_EQ(bitmap.GetBitmapBits(static_cast<DWORD>(back.size()), back.data()),
              static_cast<LONG>(kPreviewByteCount));
    const int lost = depth == 16 ? 3 : 0;
    int wrong = 0;
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      const bool fourth = i % 4 == kPreviewFourthByte;
      const int wanted = i < kRow || fourth ? 0xFF : pattern[i];
      if ((!fourth || depth == 32) && back[i] >> lost != wanted >> lost) {
        ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(bitmap.GetBitmapBits(10, back.data()), 10);
    if (depth == 16) {
      std::uint16_t raw[128 * 2] = {};
      ASSERT_EQ(GetBitmapBits(bitmap, sizeof raw, raw), static_cast<LONG>(sizeof raw));
      const std::uint8_t* colour = &pattern[kRow + 3 * 4];  // the second row's fourth pixel
      EXPECT_EQ(raw[128 + 3], (colour[kPreviewRedByte] >> 3) << 10 |
                                  (colour[kPreviewGreenByte] >> 3) << 5 |
                                  colour[kPreviewBlueByte] >> 3);
    }
  }
}

}  // namespace
