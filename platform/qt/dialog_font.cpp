#include "platform/qt/dialog_font.h"

#include <QFontMetrics>

#include "platform/resource_table.h"

namespace platform::qt {

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font(QString::fromLatin1(dialogTemplate.fontName));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialogTemplate.pointSize);
  return font;
}

detail::DialogUnits UnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabetWidth = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return detail::DialogUnits::FromMetrics(alphabetWidth, metrics.height());
}

QRect ToPixels(const detail::DialogUnits& units, int x, int y, int cx, int cy) {
  return {units.ToPixelsX(x), units.ToPixelsY(y), units.ToPixelsX(cx), units.ToPixelsY(cy)};
}

}  // namespace platform::qt
