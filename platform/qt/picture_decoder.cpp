#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdint>

#include "platform/detail/backend_contract.h"

namespace platform {

namespace {

// The largest of libjpeg's cheap reductions, by 8, 4 or 2, that still covers the cover size;
// 1 for none.
int JpegReduction(QSize size, int coverWidth, int coverHeight) {
  for (int divisor : {8, 4, 2}) {
    if (size.width() / divisor >= coverWidth && size.height() / divisor >= coverHeight) {
      return divisor;
    }
  }
  return 1;
}

// Has the JPEG decoder reduce while it decodes, and to exactly what it reduces to, so that Qt
// scales nothing afterwards: libjpeg makes ceil(side / divisor) pixels of a side, and Qt's
// reader asks for the reduction of the clip rectangle only where the clip's sides divide by it.
// The clip leaves out fewer than `divisor` pixels on the right and at the bottom.
void ReduceJpeg(QImageReader& reader, QSize size, int coverWidth, int coverHeight) {
  const int divisor = JpegReduction(size, coverWidth, coverHeight);
  if (divisor == 1) {
    return;
  }
  const QSize whole(size.width() / divisor * divisor, size.height() / divisor * divisor);
  reader.setClipRect(QRect(QPoint(0, 0), whole));
  reader.setScaledSize(whole / divisor);
}

// The bytes a decoder of the format needs for the picture, at the least those of the result.
std::uint64_t DecodedBytes(QSize size, QImage::Format format) {
  const int bitsPerPixel =
      format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
  return static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) *
         static_cast<std::uint64_t>(std::max(bitsPerPixel, 32) / 8);
}

}  // namespace

PictureRead detail::DecodePicture(std::span<const BYTE> file, int coverWidth, int coverHeight,
                                  Picture& picture) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                             static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // As Windows' decoder reads it: the pixels as stored, whatever a camera said of its turn.
  reader.setAutoTransform(false);
  // Qt's own guard, for the whole program: no image it reads may take more.
  QImageReader::setAllocationLimit(static_cast<int>(kLargestPicture >> 20));
  if (!reader.canRead()) {
    return PictureRead::kNotAPicture;
  }
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) {
    // The two letters of a BMP start many a file; a PNG or JPEG signature is unmistakable.
    return reader.format() == "bmp" ? PictureRead::kNotAPicture : PictureRead::kDamaged;
  }
  if (DecodedBytes(size, reader.imageFormat()) > kLargestPicture) {
    picture.width = size.width();
    picture.height = size.height();
    return PictureRead::kTooLarge;
  }
  if (reader.format() == "jpeg") {
    ReduceJpeg(reader, size, coverWidth, coverHeight);
  }
  QImage image = reader.read();
  if (image.isNull()) {
    return reader.error() == QImageReader::UnsupportedFormatError ? PictureRead::kNotAPicture
                                                                  : PictureRead::kDamaged;
  }
  // Colours as stored, the fourth byte opaque: an alpha channel is dropped, not blended.
  if (image.hasAlphaChannel()) {
    image.convertTo(QImage::Format_ARGB32);
  }
  image.convertTo(QImage::Format_RGB32);
  picture.width = image.width();
  picture.height = image.height();
  picture.pixels.resize(static_cast<std::size_t>(image.width()) * image.height() * 4);
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    std::copy(row, row + static_cast<std::ptrdiff_t>(image.width()) * 4,
              picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width() * 4);
  }
  return PictureRead::kRead;
}

}  // namespace platform
