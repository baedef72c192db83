// From a slider's mouse release to the repainted preview: the release, its notification, the
// re-read of the four sliders, the blend, the transfer and the paint. Target: under 2 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"

namespace {

CFogSettingsDlg* g_dialog = nullptr;

QWidget* Control(unsigned id) {
  return platform::qt::WidgetOf(g_dialog->GetDlgItem(static_cast<int>(id))->m_hWnd);
}

void BM_SliderReleaseToRepaintedPreview(benchmark::State& state) {
  auto* alpha = static_cast<QSlider*>(Control(IDC_FOG_ALPHA));
  QWidget* preview = Control(IDC_FOG_PREVIEW);
  int step = 0;
  for (auto _ : state) {
    // Alternate between two points of the groove, so every release moves the fog.
    const int x = (step++ % 2 == 0) ? alpha->width() / 4 : 3 * alpha->width() / 4;
    QTest::mouseClick(alpha, Qt::LeftButton, {}, QPoint(x, alpha->height() / 2));
    QCoreApplication::processEvents();
    preview->repaint();
  }
}
BENCHMARK(BM_SliderReleaseToRepaintedPreview)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  g_dialog = &dialog;
  benchmark::Initialize(&argc, argv);
  QTimer::singleShot(0, [&dialog] {
    benchmark::RunSpecifiedBenchmarks();
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  benchmark::Shutdown();
  return 0;
}
