// From a slider's mouse release to the repainted preview: the release, its notification, the
// re-read of the four sliders, the blend, the transfer and the paint; in the tool, and in a
// plain Qt dialog with the same controls doing the same work (the anchor), in the same process,
// at alphas 0, 30, 50 and 55. Prints last: release/anchor: R.RRx (the tool's time over the
// anchor's, each the median of the rounds, summed over the alphas). Target: at most 1.15x.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "fog_anchor_dialog.h"
#include "logic/preview_pixels.h"
#include "platform/cwinapp.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"
#include "slider_thumb.h"

namespace {

constexpr int kAlphas[] = {0, 30, 50, 55};
// Timings here wander by a third over a minute: the two take turns, and each time is the median
// of the rounds.
constexpr int kRounds = 9;

QSlider* g_slider = nullptr;
QWidget* g_preview = nullptr;

// A press and release on the thumb of the alpha slider set at the alpha asked for, then the
// preview's paint. The same steps for the tool and the anchor, whichever is running.
void BM_ReleaseToRepaintedPreview(benchmark::State& state) {
  g_slider->setValue(static_cast<int>(state.range(0)));
  const QPoint thumb = ThumbCentre(g_slider);
  for (auto _ : state) {
    QTest::mouseClick(g_slider, Qt::LeftButton, {}, thumb);
    QCoreApplication::processEvents();
    g_preview->repaint();
  }
}

// Keeps the time of every run by name, to print medians at the end.
class Collector : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      times[run.benchmark_name()].push_back(run.GetAdjustedRealTime());
    }
  }
  std::map<std::string, std::vector<double>> times;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void RegisterRuns() {
  for (const char* name : {"anchor", "tool"}) {
    for (int alpha : kAlphas) {
      benchmark::RegisterBenchmark((std::string(name) + "/release").c_str(),
                                   BM_ReleaseToRepaintedPreview)
          ->Arg(alpha)
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

std::vector<std::uint8_t> SamplePicture() {
  std::vector<std::uint8_t> pixels(kPreviewByteCount);
  CBitmap sample;
  sample.Attach(LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_FOG_SAMPLE)));
  sample.GetBitmapBits(kPreviewByteCount, pixels.data());
  return pixels;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  CEntityHelperApp app;
  benchmark::Initialize(&argc, argv);
  RegisterRuns();
  Collector collector;
  std::ostringstream unused;
  collector.SetOutputStream(&unused);
  collector.SetErrorStream(&std::cerr);

  CFogSettingsDlg dialog;
  QTimer::singleShot(0, [&] {
    QWidget* toolWindow = platform::qt::WidgetOf(dialog.m_hWnd);
    // The tool's window gives the anchor its places. Both are modal, so they take turns: the
    // anchor shows over the tool for its runs and goes for the tool's.
    FogAnchorDialog anchor(*toolWindow, SamplePicture());
    anchor.setWindowModality(Qt::ApplicationModal);
    QSlider* toolSlider =
        static_cast<QSlider*>(platform::qt::WidgetOf(dialog.GetDlgItem(IDC_FOG_ALPHA)->m_hWnd));
    QWidget* toolPreview = platform::qt::WidgetOf(dialog.GetDlgItem(IDC_FOG_PREVIEW)->m_hWnd);
    for (int round = 0; round < kRounds; ++round) {
      anchor.show();
      QCoreApplication::processEvents();
      g_slider = anchor.Alpha();
      g_preview = anchor.Preview();
      benchmark::RunSpecifiedBenchmarks(&collector, "^anchor/");
      anchor.hide();
      QCoreApplication::processEvents();
      g_slider = toolSlider;
      g_preview = toolPreview;
      benchmark::RunSpecifiedBenchmarks(&collector, "^tool/");
    }
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  benchmark::Shutdown();

  std::printf("release to repainted preview, medians of %d rounds (us):\nalpha    tool  anchor\n",
              kRounds);
  double tool = 0;
  double anchorTotal = 0;
  for (int alpha : kAlphas) {
    const double toolTime = Median(collector.times["tool/release/" + std::to_string(alpha)]);
    const double anchorTime = Median(collector.times["anchor/release/" + std::to_string(alpha)]);
    std::printf("%5d %7.1f %7.1f\n", alpha, toolTime, anchorTime);
    tool += toolTime;
    anchorTotal += anchorTime;
  }
  std::printf("release/anchor: %.2fx\n", tool / anchorTotal);
  return 0;
}
