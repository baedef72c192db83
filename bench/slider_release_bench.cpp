// From a slider's mouse release to the repainted preview: the release, its notification, the
// re-read of the four sliders, the blend, the transfer and the paint; in the tool, and in a
// plain Qt dialog with the same controls doing the same work (the anchor), in the same process,
// at alphas 0, 30, 50 and 55. Prints last: release/anchor: R.RRx (the tool's time over the
// anchor's, summed over the alphas). Target: at most 1.15x.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <map>
#include <string>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "fog_anchor_dialog.h"
#include "logic/preview_pixels.h"
#include "platform/cwinapp.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"

namespace {

constexpr int kAlphas[] = {0, 30, 50, 55};

QSlider* g_slider = nullptr;
QWidget* g_preview = nullptr;

QPoint ThumbCentre(QSlider* slider) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  return slider->style()
      ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
      .center();
}

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

// Prints as usual and keeps each run's time for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      total[m_phase] += run.GetAdjustedRealTime();
    }
  }
  void SetPhase(const std::string& phase) { m_phase = phase; }
  std::map<std::string, double> total;

 private:
  std::string m_phase;
};

void RegisterRuns() {
  for (int alpha : kAlphas) {
    benchmark::RegisterBenchmark("ReleaseToRepaintedPreview", BM_ReleaseToRepaintedPreview)
        ->Arg(alpha)
        ->Unit(benchmark::kMicrosecond);
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
  RatioReporter reporter;

  CFogSettingsDlg dialog;
  QTimer::singleShot(0, [&] {
    QWidget* toolWindow = platform::qt::WidgetOf(dialog.m_hWnd);
    // The anchor first, while the tool is up but before the tool's runs: the tool is modal,
    // and its window gives the anchor its places.
    FogAnchorDialog anchor(*toolWindow, SamplePicture());
    anchor.setWindowModality(Qt::ApplicationModal);
    anchor.show();
    QCoreApplication::processEvents();
    g_slider = anchor.Alpha();
    g_preview = anchor.Preview();
    reporter.SetPhase("anchor");
    std::printf("The plain Qt dialog (anchor):\n");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    anchor.hide();
    QCoreApplication::processEvents();

    g_slider = static_cast<QSlider*>(
        platform::qt::WidgetOf(dialog.GetDlgItem(IDC_FOG_ALPHA)->m_hWnd));
    g_preview = platform::qt::WidgetOf(dialog.GetDlgItem(IDC_FOG_PREVIEW)->m_hWnd);
    reporter.SetPhase("tool");
    std::printf("The tool:\n");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  benchmark::Shutdown();
  std::printf("release/anchor: %.2fx\n", reporter.total["tool"] / reporter.total["anchor"]);
  return 0;
}
