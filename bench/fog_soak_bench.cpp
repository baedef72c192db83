// Resident memory growth over many open/close cycles of the Fog Settings Helper, each with one
// slider change. Target: under 1 MiB over 2000 cycles.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"

namespace {

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void OpenAndClose() {
  CFogSettingsDlg dialog;
  QTimer::singleShot(0, [&dialog] {
    QWidget* alpha = platform::qt::WidgetOf(dialog.GetDlgItem(IDC_FOG_ALPHA)->m_hWnd);
    alpha->setFocus();
    QTest::keyClick(alpha, Qt::Key_Right);
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
}

void BM_FogHelperOpenCloseMemory(benchmark::State& state) {
  const int cycles = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (int warmUp = 0; warmUp < 50; ++warmUp) {
      OpenAndClose();
    }
    const long before = ResidentKiB();
    for (int cycle = 0; cycle < cycles; ++cycle) {
      OpenAndClose();
    }
    state.counters["rss_growth_KiB"] = static_cast<double>(ResidentKiB() - before);
  }
}
BENCHMARK(BM_FogHelperOpenCloseMemory)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  CEntityHelperApp app;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("target: rss_growth_KiB under 1024 over 2000 cycles\n");
  benchmark::Shutdown();
  return 0;
}
