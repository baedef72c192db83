// Writes the application icon as a Windows .ico file: smooth 32-bit images at the sizes Windows
// 10 and 11 ask for (the 256 pixel one PNG-compressed, as Windows stores it), then a 32 by 32
// and a 16 by 16 image in the sixteen standard colours for anything that asks for those:
// make_icon OUTPUT.ico
#include <QBuffer>
#include <QColor>
#include <QGuiApplication>
#include <array>
#include <cstdio>
#include <vector>

#include "binary_file.h"

#include "icon_drawing.h"

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// Explorer, the taskbar and the title bar pick among these by size and scale factor.
constexpr std::array kSmoothSizes = {16, 20, 24, 32, 40, 48, 64};
constexpr int kPngSize = 256;
constexpr std::array kSixteenColourSizes = {32, 16};

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

int RowBytes(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

void AppendBitmapHeader(QByteArray& out, int size, int bitsPerPixel, int colours) {
  Append32(out, 40);
  Append32(out, size);
  Append32(out, size * 2);  // the colour rows and the mask rows
  Append16(out, 1);
  Append16(out, bitsPerPixel);
  Append32(out, 0);
  Append32(out, (RowBytes(size, bitsPerPixel) + RowBytes(size, 1)) * size);
  Append32(out, 0);
  Append32(out, 0);
  Append32(out, colours);
  Append32(out, 0);
}

// The transparency mask, bottom up: a set bit lets the background through.
void AppendMask(QByteArray& out, const QImage& image) {
  const int size = image.width();
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(RowBytes(size, 1), '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(image.pixel(x, y)) < 128) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
}

// Header, palette, four-bit colour rows bottom up, mask.
QByteArray EncodeSixteenColourImage(const QImage& image) {
  const int size = image.width();
  QByteArray out;
  AppendBitmapHeader(out, size, 4, static_cast<int>(kPalette.size()));
  for (QRgb colour : kPalette) {
    out.append(static_cast<char>(qBlue(colour)))
        .append(static_cast<char>(qGreen(colour)))
        .append(static_cast<char>(qRed(colour)))
        .append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(RowBytes(size, 4), '\0');
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      const int index = qAlpha(pixel) < 128 ? 0 : NearestColour(pixel);
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    out.append(row);
  }
  AppendMask(out, image);
  return out;
}

// Header, blue-green-red-alpha rows bottom up (straight alpha, as icons keep it), mask.
QByteArray EncodeTrueColourImage(const QImage& image) {
  const int size = image.width();
  QByteArray out;
  AppendBitmapHeader(out, size, 32, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(pixel)))
          .append(static_cast<char>(qGreen(pixel)))
          .append(static_cast<char>(qRed(pixel)))
          .append(static_cast<char>(qAlpha(pixel)));
    }
  }
  AppendMask(out, image);
  return out;
}

QByteArray EncodePng(const QImage& image) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return out;
}

struct IconImage {
  int size;
  int bitsPerPixel;
  QByteArray bytes;
};

// The directory, one 16-byte entry per image (a size of 256 is written as 0), then the images.
QByteArray EncodeIconFile(const std::vector<IconImage>& images) {
  constexpr int kDirectoryBytes = 6;
  constexpr int kEntryBytes = 16;
  QByteArray file;
  Append16(file, 0);
  Append16(file, 1);
  Append16(file, static_cast<int>(images.size()));
  int offset = kDirectoryBytes + kEntryBytes * static_cast<int>(images.size());
  for (const IconImage& image : images) {
    const char side = static_cast<char>(image.size == 256 ? 0 : image.size);
    file.append(side).append(side);
    file.append(static_cast<char>(image.bitsPerPixel == 4 ? 16 : 0)).append('\0');
    Append16(file, 1);
    Append16(file, image.bitsPerPixel);
    Append32(file, static_cast<int>(image.bytes.size()));
    Append32(file, offset);
    offset += static_cast<int>(image.bytes.size());
  }
  for (const IconImage& image : images) {
    file.append(image.bytes);
  }
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  std::vector<IconImage> images;
  for (int size : kSmoothSizes) {
    images.push_back({size, 32, EncodeTrueColourImage(DrawApplicationIcon(size, true))});
  }
  images.push_back({kPngSize, 32, EncodePng(DrawApplicationIcon(kPngSize, true))});
  for (int size : kSixteenColourSizes) {
    images.push_back({size, 4, EncodeSixteenColourImage(DrawApplicationIcon(size, false))});
  }
  return WriteBinaryFile(argv[1], EncodeIconFile(images)) ? 0 : 1;
}
