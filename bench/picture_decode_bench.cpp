// From a drop of a 4000 by 3000 JPEG file on the Fog Settings Helper to its fogged preview
// painted, against Qt's image reader alone decoding the same file whole. The drop goes through
// Qt's own drag events; the helper reads the file, decodes it (reduced while it decodes), scales
// it to cover the preview, fogs it and repaints. The benchmark draws the picture itself, a
// level-like scene with grain, and saves it with Qt. The two take turns for kRounds rounds; each
// time is the median of its rounds. Prints last: picture/decode: R.RRx. Target: at most 1.2x.
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "drag_and_drop.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kRounds = 15;

// Sky, ground, walls and crates, with grain everywhere, as a level shot has.
QImage LevelPicture() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&picture);
  QLinearGradient sky(0, 0, 0, kHeight / 2);
  sky.setColorAt(0, QColor(40, 60, 110));
  sky.setColorAt(1, QColor(150, 140, 120));
  painter.fillRect(0, 0, kWidth, kHeight / 2, sky);
  painter.fillRect(0, kHeight / 2, kWidth, kHeight / 2, QColor(90, 80, 60));
  std::mt19937 random(18);
  for (int wall = 0; wall < 40; ++wall) {
    const int x = static_cast<int>(random() % kWidth);
    const int height = 300 + static_cast<int>(random() % 1200);
    painter.fillRect(x, kHeight / 2 - height, 150 + static_cast<int>(random() % 500), height + 400,
                     QColor::fromHsv(static_cast<int>(random() % 60), 80, 120));
  }
  painter.end();
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      const int grain = static_cast<int>(random() % 25) - 12;
      row[x] =
          qRgb(std::clamp(qRed(row[x]) + grain, 0, 255), std::clamp(qGreen(row[x]) + grain, 0, 255),
               std::clamp(qBlue(row[x]) + grain, 0, 255));
    }
  }
  return picture;
}

CFogSettingsDlg* g_helper = nullptr;

// What a map maker does: drops the file on the helper, whose preview then shows the fog over it.
void DropOnTheHelper(const std::filesystem::path& file) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
  QWidget* window = platform::qt::WidgetOf(g_helper->m_hWnd);
  DragAndDrop(window, window->rect().center(), files);
  QCoreApplication::processEvents();  // the drop's notification, after the drop as on Windows
  platform::qt::WidgetOf(g_helper->GetDlgItem(IDC_FOG_PREVIEW)->m_hWnd)->repaint();
}

void DecodeAlone(const std::filesystem::path& file) {
  if (QImageReader(QString::fromStdString(file.string())).read().isNull()) {
    std::fprintf(stderr, "the picture was not decoded\n");
    std::exit(1);
  }
}

double Milliseconds(const std::function<void(const std::filesystem::path&)>& step,
                    const std::filesystem::path& file) {
  const auto start = std::chrono::steady_clock::now();
  step(file);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("level.jpg").toStdString();
  if (!LevelPicture().save(QString::fromStdString(file.string()), "JPEG", 90)) {
    std::fprintf(stderr, "could not write %s\n", file.c_str());
    return 1;
  }
  CEntityHelperApp app;
  CFogSettingsDlg helper;
  g_helper = &helper;
  std::vector<double> previewTimes;
  std::vector<double> decodeTimes;
  QTimer::singleShot(0, [&] {
    // One of each first, unmeasured: the file in the page cache, the decoder's plugin loaded.
    DropOnTheHelper(file);
    DecodeAlone(file);
    for (int round = 0; round < kRounds; ++round) {
      previewTimes.push_back(Milliseconds(DropOnTheHelper, file));
      decodeTimes.push_back(Milliseconds(DecodeAlone, file));
    }
    helper.EndDialog(IDOK);
  });
  helper.DoModal();
  const double preview = Median(previewTimes);
  const double decode = Median(decodeTimes);
  std::printf("%d x %d JPEG of %ju bytes, medians of %d rounds:\n", kWidth, kHeight,
              static_cast<std::uintmax_t>(std::filesystem::file_size(file)), kRounds);
  std::printf("drop to fogged preview %.1f ms, decoder alone %.1f ms\n", preview, decode);
  std::printf("picture/decode: %.2fx\n", preview / decode);
  return 0;
}
