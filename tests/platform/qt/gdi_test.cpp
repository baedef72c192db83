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

// Top row first, blue, green, red and an opaque fourth byte, also after a write; a transfer
// copies no further than the bitmap or the count.
TEST(Gdi, BitsAreOpaqueAndTransfersStopAtTheBitmapOrTheCount) {
  HBITMAP handle = LoadProbe();
  std::array<std::uint8_t, 36> read{};
  read.fill(0xEE);
  EXPECT_EQ(GetBitmapBits(handle, 36, read.data()), 32);
  EXPECT_EQ(read, (std::array<std::uint8_t, 36>{0,   0,   0,   255, 128, 128,  128,  255,  30,
                                                20,  10,  255, 3,   2,   1,    255,  255,  0,
                                                0,   255, 0,   255, 0,   255,  0,    0,    255,
                                                255, 255, 255, 255, 255, 0xEE, 0xEE, 0xEE, 0xEE}));
  std::array<std::uint8_t, 64> written{};
  written.fill(7);
  EXPECT_EQ(SetBitmapBits(handle, 5, written.data()), 5);
  EXPECT_EQ(GetBitmapBits(handle, 6, read.data()), 6);
  EXPECT_EQ(read[3], 0xFF);
  EXPECT_EQ(read[4], 7);
  EXPECT_EQ(read[5], 128);  // past the five written bytes: as loaded
  EXPECT_EQ(SetBitmapBits(handle, 64, written.data()), 32);
  EXPECT_TRUE(DeleteObject(handle));
}

TEST(Gdi, DeadBitmapsFailWithZero) {
  HBITMAP handle = LoadProbe();
  Bits bits{};
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
    EXPECT_EQ(temporary->GetBitmapBits(32, bits.data()), 0);
  }
  // The temporary went with the handler and never deleted anything itself.
  HBITMAP next = LoadProbe();
  CBitmap::FromHandle(next)->GetBitmapBits(32, bits.data());
  EXPECT_TRUE(DeleteObject(next));
}

}  // namespace
