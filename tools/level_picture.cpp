#include "level_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

QImage DrawLevelShot() {
  constexpr int kWidth = 800;
  constexpr int kHeight = 600;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, 380);
  sky.setColorAt(0, QColor(40, 70, 130));
  sky.setColorAt(1, QColor(200, 170, 140));
  painter.fillRect(image.rect(), sky);

  // Two ridges of hills, the far one paler.
  const auto ridge = [&](int base, int height, int waves, QColor colour) {
    QPainterPath hills(QPointF(0, kHeight));
    for (int x = 0; x <= kWidth; x += 20) {
      const double wave = std::sin(x * waves * 3.14159 / kWidth) * height;
      hills.lineTo(x, base - wave);
    }
    hills.lineTo(kWidth, kHeight);
    painter.fillPath(hills, colour);
  };
  ridge(330, 40, 3, QColor(110, 110, 120));
  ridge(400, 30, 5, QColor(70, 90, 60));

  // The ground in front, with tracks towards the base.
  QLinearGradient ground(0, 400, 0, kHeight);
  ground.setColorAt(0, QColor(80, 95, 60));
  ground.setColorAt(1, QColor(40, 50, 30));
  painter.fillRect(QRect(0, 420, kWidth, kHeight - 420), ground);
  painter.setPen(QPen(QColor(110, 100, 80), 6));
  painter.drawLine(QPointF(330, kHeight), QPointF(420, 430));
  painter.drawLine(QPointF(470, kHeight), QPointF(450, 430));

  // The base: a hall, a tower and their lamps.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(90, 90, 100));
  painter.drawRect(QRectF(360, 340, 190, 90));
  painter.setBrush(QColor(70, 70, 80));
  painter.drawRect(QRectF(520, 250, 40, 180));
  for (const QPointF& lamp :
       {QPointF(390, 370), QPointF(450, 370), QPointF(510, 370), QPointF(540, 270)}) {
    QRadialGradient glow(lamp, 30);
    glow.setColorAt(0, QColor(255, 240, 190));
    glow.setColorAt(1, QColor(255, 200, 120, 0));
    painter.setBrush(glow);
    painter.drawEllipse(lamp, 30, 30);
  }
  return image;
}
