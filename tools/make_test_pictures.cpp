// Draws the picture files the tests read (tests/data): a pattern as a BMP and as a PNG, whose
// colours tests/support/picture_files.cpp computes again; a smooth gradient as JPEGs of 16 by 12
// and 1024 by 768 pixels; and a PNG whose header promises 30000 by 30000 pixels and whose data
// holds none. make_test_pictures FOLDER
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <string>

namespace {

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb((x * 31 + y * 7) % 256, (y * 53 + 40) % 256, (x * y * 3) % 256));
    }
  }
  return image;
}

QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(40 + x * 128 / width, 60 + y * 120 / height, 200 - x * 64 / width));
    }
  }
  return image;
}

quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFF;
  for (const char byte : bytes) {
    crc ^= static_cast<quint8>(byte);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

QByteArray BigEndian(quint32 value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

QByteArray Chunk(const char* type, const QByteArray& data) {
  const QByteArray typed = QByteArray(type) + data;
  return BigEndian(static_cast<quint32>(data.size())) + typed + BigEndian(Crc32(typed));
}

// A PNG whose header says `width` by `height` 8-bit RGB pixels, with an empty data stream.
QByteArray PngClaiming(quint32 width, quint32 height) {
  const QByteArray header = BigEndian(width) + BigEndian(height) + QByteArray("\x08\x02\0\0\0", 5);
  const QByteArray empty("\x78\x01\x01\x00\x00\xFF\xFF\x00\x00\x00\x01", 11);
  return QByteArray("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", empty) +
         Chunk("IEND", {});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_test_pictures FOLDER\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  QFile claim(folder + QStringLiteral("claims-30000x30000.png"));
  const bool written =
      Pattern(40, 30).save(folder + QStringLiteral("pattern-40x30.bmp"), "BMP") &&
      Pattern(30, 40).save(folder + QStringLiteral("pattern-30x40.png"), "PNG") &&
      Gradient(16, 12).save(folder + QStringLiteral("gradient-16x12.jpg"), "JPEG", 95) &&
      Gradient(1024, 768).save(folder + QStringLiteral("gradient-1024x768.jpg"), "JPEG", 80) &&
      claim.open(QIODevice::WriteOnly) && claim.write(PngClaiming(30000, 30000)) > 0;
  return written ? 0 : 1;
}
