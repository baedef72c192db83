#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "platform/detail/handler_scope.h"
#include "platform/user32.h"
#include "tests/platform/probe_dialog.h"

namespace {

using Bits = std::array<std::uint8_t, 32>;

HBITMAP LoadProbe() {
  return LoadBitmapA(ProbeResources(), MAKEINTRESOURCEA(IDB_PROBE));
}

TEST(Gdi, LoadedBitmapHasTopRowFirstBlueGreenRedAndOpaqueFourthByte) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.Attach(LoadProbe()));
  Bits bits{};
  EXPECT_EQ(bitmap.GetBitmapBits(static_cast<DWORD>(bits.size()), bits.data()), 32);
  const Bits expected = {0,   0, 0, 255, 128, 128, 128, 255, 30, 20, 10,  255, 3,   2,   1,   255,
                         255, 0, 0, 255, 0,   255, 0,   255, 0,  0,  255, 255, 255, 255, 255, 255};
  EXPECT_EQ(bits, expected);
}

TEST(Gdi, TransfersStopAtTheBitmapOrTheCount) {
  HBITMAP handle = LoadProbe();
  std::array<std::uint8_t, 40> large{};
  large.fill(0xEE);
  EXPECT_EQ(GetBitmapBits(handle, 40, large.data()), 32);
  EXPECT_EQ(large[32], 0xEE);

  Bits written{};
  written.fill(7);
  EXPECT_EQ(SetBitmapBits(handle, 5, written.data()), 5);
  Bits read{};
  EXPECT_EQ(GetBitmapBits(handle, 32, read.data()), 32);
  EXPECT_EQ(read[2], 7);
  EXPECT_EQ(read[3], 0xFF);  // the fourth byte keeps the picture opaque
  EXPECT_EQ(read[4], 7);
  EXPECT_EQ(read[5], 128);  // past the five written bytes: as loaded
  std::array<std::uint8_t, 64> oversized{};
  EXPECT_EQ(SetBitmapBits(handle, 64, oversized.data()), 32);
  EXPECT_TRUE(DeleteObject(handle));
}

TEST(Gdi, DeadOrMissingBitmapsFailWithZero) {
  static const ResourceTable kNoBitmaps{};
  EXPECT_EQ(LoadBitmapA(&kNoBitmaps, MAKEINTRESOURCEA(IDB_PROBE)), nullptr);
  Bits bits{};
  EXPECT_EQ(GetBitmapBits(nullptr, 32, bits.data()), 0);
  EXPECT_EQ(CBitmap::FromHandle(nullptr)->SetBitmapBits(32, bits.data()), 0u);

  HBITMAP handle = LoadProbe();
  {
    CBitmap owner;
    owner.Attach(handle);
  }  // the object deletes its bitmap
  EXPECT_EQ(GetBitmapBits(handle, 32, bits.data()), 0);
  EXPECT_EQ(CBitmap::FromHandle(handle)->SetBitmapBits(32, bits.data()), 0u);
  EXPECT_FALSE(DeleteObject(handle));
  // A new bitmap never takes over the old handle.
  HBITMAP next = LoadProbe();
  EXPECT_NE(next, handle);
  EXPECT_EQ(GetBitmapBits(handle, 32, bits.data()), 0);
  DeleteObject(next);
}

TEST(Gdi, TemporaryWrapperOutlivesItsHandleUntilTheHandlerEnds) {
  HBITMAP handle = LoadProbe();
  Bits bits{};
  {
    const platform::detail::HandlerScope handling;
    CBitmap* temporary = CBitmap::FromHandle(handle);
    EXPECT_EQ(CBitmap::FromHandle(handle), temporary);
    EXPECT_EQ(temporary->GetBitmapBits(32, bits.data()), 32);
    EXPECT_TRUE(DeleteObject(handle));
    // Still a wrapper, whose calls now fail as the dead handle's do.
    EXPECT_EQ(temporary->SetBitmapBits(32, bits.data()), 0u);
    EXPECT_EQ(temporary->GetBitmapBits(32, bits.data()), 0);
  }
  // The temporary went with the handler and never deleted anything itself.
  HBITMAP next = LoadProbe();
  CBitmap::FromHandle(next)->GetBitmapBits(32, bits.data());
  EXPECT_TRUE(DeleteObject(next));
}

}  // namespace
