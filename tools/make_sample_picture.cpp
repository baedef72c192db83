// Draws the fog preview's sample picture, a lit corridor, and writes it as an uncompressed
// 24-bit .bmp of 128 by 96 pixels: make_sample_picture OUTPUT.bmp
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cstdio>

#include "binary_file.h"

namespace {

constexpr int kWidth = 128;
constexpr int kHeight = 96;

QImage DrawCorridor() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF far(50, 30, 28, 24);  // the lit doorway at the end

  // Ceiling, floor and the two walls, each a quad from the picture's edge to the doorway.
  const auto quad = [&](QPointF a, QPointF b, QPointF c, QPointF d, QColor near, QColor distant,
                        QPointF from, QPointF to) {
    QLinearGradient shade(from, to);
    shade.setColorAt(0, near);
    shade.setColorAt(1, distant);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(QPolygonF({a, b, c, d}));
  };
  quad({0, 0}, {kWidth, 0}, far.topRight(), far.topLeft(), QColor(20, 20, 28), QColor(70, 70, 84),
       {64, 0}, {64, far.top()});
  quad({0, kHeight}, {kWidth, kHeight}, far.bottomRight(), far.bottomLeft(), QColor(60, 48, 36),
       QColor(120, 104, 84), {64, kHeight}, {64, far.bottom()});
  quad({0, 0}, far.topLeft(), far.bottomLeft(), {0, kHeight}, QColor(18, 30, 60),
       QColor(60, 80, 120), {0, 48}, {far.left(), 48});
  quad({kWidth, 0}, far.topRight(), far.bottomRight(), {kWidth, kHeight}, QColor(30, 24, 40),
       QColor(90, 80, 110), {kWidth, 48}, {far.right(), 48});

  // Floor seams running to the doorway.
  painter.setPen(QPen(QColor(30, 24, 18), 1));
  for (int x = -64; x <= 192; x += 32) {
    painter.drawLine(QPointF(x, kHeight),
                     QPointF(far.left() + (x + 64) * far.width() / 256.0, far.bottom()));
  }

  // The doorway's light.
  QRadialGradient glow(far.center(), 26);
  glow.setColorAt(0, QColor(255, 250, 220));
  glow.setColorAt(0.5, QColor(255, 210, 120));
  glow.setColorAt(1, QColor(255, 210, 120, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(far.center(), 26, 26);
  painter.setBrush(QColor(255, 255, 235));
  painter.drawRect(far.adjusted(6, 4, -6, 0));

  // Saturated lamps: red on the left wall, green on the right, a blue strip above.
  painter.setBrush(QColor(230, 20, 20));
  painter.drawRect(QRectF(8, 34, 8, 12));
  painter.drawRect(QRectF(32, 38, 4, 7));
  painter.setBrush(QColor(20, 220, 60));
  painter.drawRect(QRectF(112, 34, 8, 12));
  painter.drawRect(QRectF(92, 38, 4, 7));
  painter.setPen(QPen(QColor(40, 90, 255), 3));
  painter.drawLine(QPointF(20, 6), QPointF(108, 6));
  painter.end();
  return image;
}

QByteArray EncodeBmp(const QImage& image) {
  const int rowBytes = kWidth * 3;  // already a multiple of four: no padding
  const int pixelBytes = rowBytes * kHeight;
  QByteArray out("BM");
  Append32(out, 54 + pixelBytes);
  Append32(out, 0);
  Append32(out, 54);
  Append32(out, 40);
  Append32(out, kWidth);
  Append32(out, kHeight);
  Append16(out, 1);
  Append16(out, 24);
  Append32(out, 0);
  Append32(out, pixelBytes);
  Append32(out, 2835);
  Append32(out, 2835);
  Append32(out, 0);
  Append32(out, 0);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const QRgb pixel = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(pixel)))
          .append(static_cast<char>(qGreen(pixel)))
          .append(static_cast<char>(qRed(pixel)));
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_picture OUTPUT.bmp\n");
    return 2;
  }
  const QByteArray bytes = EncodeBmp(DrawCorridor());
  return WriteBinaryFile(argv[1], bytes) ? 0 : 1;
}
