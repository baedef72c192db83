#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/win_types.h"

// What a bitmap handle stands for. Handles are serial numbers, never reused, so a deleted
// bitmap's handle stays dead.
struct BitmapRecord {
  QImage image;  // always QImage::Format_RGB32
};

HBITMAP CreateBitmapHandle(QImage image);
// The live bitmap behind a handle, or null.
BitmapRecord* FindBitmapRecord(HBITMAP hBitmap);
bool DestroyBitmap(HBITMAP hBitmap);

// An icon: its large and small images. Icons are shared and live as long as the program.
struct HICON__ {
  QImage large;
  QImage small;
};

// A device context: a painter on a window for the length of one paint.
struct HDC__ {
  explicit HDC__(QWidget* widget) : painter(widget), bounds(widget->rect()) {}
  QPainter painter;
  QRect bounds;
};
