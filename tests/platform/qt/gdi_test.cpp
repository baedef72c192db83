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

// A dead handle fails from then on, also through a temporary wrapper made while it lived, which
// lasts until the handler ends and deletes nothing itself; no new bitmap takes over the handle.
TEST(Gdi, DeadHandlesFailAlsoThroughTheirTemporaryWrappers) {
  HBITMAP handle = LoadProbe();
  Bits bits{};
  {
    const platform::detail::HandlerScope handling;
    CBitmap* temporary = CBitmap::FromHandle(handle);
    EXPECT_EQ(CBitmap::FromHandle(handle), temporary);
    EXPECT_EQ(temporary->GetBitmapBits(32, bits.data()), 32);
    EXPECT_TRUE(DeleteObject(handle));
    EXPECT_EQ(temporary->GetBitmapBits(32, bits.data()), 0);
    EXPECT_EQ(temporary->SetBitmapBits(32, bits.data()), 0u);
  }
  HBITMAP next = LoadProbe();
  EXPECT_NE(next, handle);
  EXPECT_EQ(GetBitmapBits(handle, 32, bits.data()), 0);
  EXPECT_FALSE(DeleteObject(handle));
  EXPECT_TRUE(DeleteObject(next));
}

}  // namespace
