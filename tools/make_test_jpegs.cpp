// Draws the JPEGs the tests read (tests/data/gradient-*.jpg): one smooth gradient at 16 by 12
// and at 1024 by 768 pixels, whose colours tests/support/picture_files.cpp computes again.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <string>

namespace {

QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(40 + x * 128 / width, 60 + y * 120 / height, 200 - x * 64 / width));
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_test_jpegs FOLDER\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  const std::string folder = argv[1];
  const bool written =
      Gradient(16, 12).save(QString::fromStdString(folder + "/gradient-16x12.jpg"), "JPEG", 95) &&
      Gradient(1024, 768).save(QString::fromStdString(folder + "/gradient-1024x768.jpg"), "JPEG",
                               80);
  return written ? 0 : 1;
}
