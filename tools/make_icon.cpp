// Writes the application icon as a Windows .ico file with a 32 by 32 and a 16 by 16 image in
// the sixteen standard colours: make_icon OUTPUT.ico
#include <QColor>
#include <QGuiApplication>
#include <array>
#include <cstdio>

#include "binary_file.h"

#include "icon_drawing.h"

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

int NearestColour(QRgb colour) {
  int best = 0;
  int bestDistance = INT32_MAX;
  for (int index = 0; index < static_cast<int>(kPalette.size()); ++index) {
    const int dr = qRed(colour) - qRed(kPalette[static_cast<std::size_t>(index)]);
    const int dg = qGreen(colour) - qGreen(kPalette[static_cast<std::size_t>(index)]);
    const int db = qBlue(colour) - qBlue(kPalette[static_cast<std::size_t>(index)]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

// One icon image: header, palette, four-bit colour rows and the transparency mask, bottom up.
QByteArray EncodeImage(const QImage& image) {
  const int size = image.width();
  const int colourRow = ((size * 4 + 31) / 32) * 4;
  const int maskRow = ((size + 31) / 32) * 4;
  QByteArray out;
  Append32(out, 40);
  Append32(out, size);
  Append32(out, size * 2);
  Append16(out, 1);
  Append16(out, 4);
  Append32(out, 0);
  Append32(out, (colourRow + maskRow) * size);
  Append32(out, 0);
  Append32(out, 0);
  Append32(out, 16);
  Append32(out, 0);
  for (QRgb colour : kPalette) {
    out.append(static_cast<char>(qBlue(colour)))
        .append(static_cast<char>(qGreen(colour)))
        .append(static_cast<char>(qRed(colour)))
        .append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(colourRow, '\0');
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      const int index = qAlpha(pixel) < 128 ? 0 : NearestColour(pixel);
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    out.append(row);
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(maskRow, '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(image.pixel(x, y)) < 128) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const QByteArray large = EncodeImage(DrawApplicationIcon(32, false));
  const QByteArray small = EncodeImage(DrawApplicationIcon(16, false));
  QByteArray file;
  Append16(file, 0);
  Append16(file, 1);
  Append16(file, 2);
  int offset = 6 + 2 * 16;
  for (const auto& [size, bytes] : {std::pair{32, &large}, std::pair{16, &small}}) {
    file.append(static_cast<char>(size)).append(static_cast<char>(size)).append(16).append('\0');
    Append16(file, 1);
    Append16(file, 4);
    Append32(file, static_cast<int>(bytes->size()));
    Append32(file, offset);
    offset += static_cast<int>(bytes->size());
  }
  file.append(large).append(small);
  return WriteBinaryFile(argv[1], file) ? 0 : 1;
}
