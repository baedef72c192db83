#pragma once

#include <QFont>
#include <QRect>

struct DialogTemplate;

// Rounds a * b / c to the nearest integer, halves away from zero, as Win32's MulDiv does.
int MulDiv(int number, int numerator, int denominator);

// Dialog units of a font as Windows measures them: a horizontal unit is a quarter of the average
// width of the letters A-Z and a-z, a vertical unit an eighth of the font's height.
struct DialogUnits {
  int baseX;
  int baseY;

  static DialogUnits ForFont(const QFont& font);
  int ToPixelsX(int units) const { return MulDiv(units, baseX, 4); }
  int ToPixelsY(int units) const { return MulDiv(units, baseY, 8); }
  QRect ToPixels(int x, int y, int cx, int cy) const;
};

// The template's font, or the host's sans-serif font where the named one is missing.
QFont DialogFont(const DialogTemplate& dialogTemplate);
