#pragma once

// Dialog units as Windows measures them for a font: a horizontal unit is a quarter of the
// average width of the letters A-Z and a-z, a vertical unit an eighth of the font's height.
namespace platform::detail {

// Rounds a * b / c to the nearest integer, halves away from zero, as Win32's MulDiv does; -1
// when c is 0.
int MulDiv(int number, int numerator, int denominator);

struct DialogUnits {
  int baseX;
  int baseY;

  // From the width of "ABC…XYZabc…xyz" and the height of the font, rounded as Windows does.
  static DialogUnits FromMetrics(int alphabetWidth, int fontHeight);
  int ToPixelsX(int units) const { return MulDiv(units, baseX, 4); }
  int ToPixelsY(int units) const { return MulDiv(units, baseY, 8); }
};

}  // namespace platform::detail
