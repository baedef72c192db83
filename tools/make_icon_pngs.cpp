// Writes the application icon as PNG files for the desktop's icon theme, one per size:
// make_icon_pngs OUTPUT_DIR NAME  (writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png)
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "icon_drawing.h"

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
        !DrawApplicationIcon(size).save(folder + QLatin1Char('/') + name + ".png", "PNG")) {
      std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
      return 1;
    }
  }
  return 0;
}
