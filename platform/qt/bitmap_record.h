#pragma once

#include <QImage>

#include "platform/win_types.h"

namespace platform::qt {

// What a bitmap handle names: 32-bit pixels whose memory holds blue, green, red and a fourth
// byte that is always 0xFF (QImage::Format_RGB32), as a display at 32 bits per pixel keeps them.
struct BitmapRecord {
  QImage image;
};

HBITMAP AddBitmap(const QImage& image);
// The live bitmap, or null.
BitmapRecord* Bitmap(HBITMAP hBitmap);
bool RemoveBitmap(HBITMAP hBitmap);

}  // namespace platform::qt
