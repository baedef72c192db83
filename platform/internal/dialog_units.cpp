#include "dialog_units.h"

#include <QFontMetrics>
#include <cstdint>
#include <cstdlib>

#include "platform/resource_table.h"

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) {
    return -1;
  }
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const std::int64_t half = std::llabs(denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogUnits DialogUnits::ForFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabetWidth = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(alphabetWidth / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
  return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy)};
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font(QString::fromLatin1(dialogTemplate.fontName));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialogTemplate.pointSize);
  return font;
}
