#include "icon_drawing.h"

#include <QPainter>
#include <QPainterPath>

// A dark blue tile with a column of check boxes, two of them ticked: the tool turns ticks into
// numbers.
void PaintApplicationIcon(QPainter& painter, int size) {
  const double unit = size / 16.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  painter.drawRoundedRect(QRectF(0, 0, size, size), 2 * unit, 2 * unit);

  const int rows = size >= 32 ? 3 : 2;
  const double box = size >= 32 ? 4 * unit : 5 * unit;
  const double gap = (size - rows * box) / (rows + 1);
  for (int row = 0; row < rows; ++row) {
    const QRectF square(3 * unit, gap + row * (box + gap), box, box);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawRect(square);
    if (row != 1) {
      QPen tick(QColor(255, 255, 0), std::max(1.0, unit));
      painter.setPen(tick);
      painter.drawLine(QPointF(square.left() + box * 0.15, square.center().y()),
                       QPointF(square.left() + box * 0.45, square.bottom() - box * 0.15));
      painter.drawLine(QPointF(square.left() + box * 0.45, square.bottom() - box * 0.15),
                       QPointF(square.right() + box * 0.2, square.top() - box * 0.2));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 255, 255));
    painter.drawRect(QRectF(square.right() + 2 * unit, square.center().y() - 0.5 * unit,
                            size - square.right() - 4 * unit, unit));
  }
}

QImage DrawApplicationIcon(int size, bool smooth) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  PaintApplicationIcon(painter, size);
  return image;
}
