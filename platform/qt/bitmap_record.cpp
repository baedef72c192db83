#include "platform/qt/bitmap_record.h"

#include <memory>

#include "platform/qt/handles.h"

namespace platform::qt {

namespace {

HandleTable<HBITMAP, BitmapRecord>& Bitmaps() {
  static HandleTable<HBITMAP, BitmapRecord> bitmaps;
  return bitmaps;
}

}  // namespace

HBITMAP AddBitmap(const QImage& image) {
  return Bitmaps().Add(
      std::make_unique<BitmapRecord>(BitmapRecord{image.convertToFormat(QImage::Format_RGB32)}));
}

BitmapRecord* Bitmap(HBITMAP hBitmap) {
  return Bitmaps().Find(hBitmap);
}

bool RemoveBitmap(HBITMAP hBitmap) {
  return Bitmaps().Remove(hBitmap);
}

}  // namespace platform::qt
