// Writes the application icon for the desktop's icon theme: a smooth PNG per size and a
// scalable SVG, all from the same drawing as the program's own icon:
// make_icon_pngs OUTPUT_DIR NAME  (writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png and
// OUTPUT_DIR/scalable/apps/NAME.svg)
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "icon_drawing.h"

namespace {

constexpr int kSvgSize = 256;

bool WriteSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(kSvgSize, kSvgSize));
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle(QStringLiteral("Vardak Entity Helper"));
  QPainter painter;
  if (!painter.begin(&svg)) {
    return false;
  }
  PaintApplicationIcon(painter, kSvgSize);
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon_pngs OUTPUT_DIR NAME\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    if (!QDir().mkpath(folder) ||
        !DrawApplicationIcon(size, true).save(folder + QLatin1Char('/') + name + ".png", "PNG")) {
      std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
      return 1;
    }
  }
  const QString scalable = root + QStringLiteral("/scalable/apps");
  if (!QDir().mkpath(scalable) || !WriteSvg(scalable + QLatin1Char('/') + name + ".svg")) {
    std::fprintf(stderr, "cannot write the scalable icon\n");
    return 1;
  }
  return 0;
}
