// Renders a dialog of the tool offscreen to a PNG file, after a few user actions that show it at
// work: screenshot {launcher|classes|spawnteams|fog|fog-level} OUTPUT.png
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMimeData>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "drag_and_drop.h"
#include "level_picture.h"
#include "platform/qt/process_exit.h"
#include "platform/qt/window_record.h"
#include "res/resource.h"

namespace {

QWidget* Control(CDialog& dialog, unsigned id) {
  return platform::qt::WidgetOf(dialog.GetDlgItem(static_cast<int>(id))->m_hWnd);
}

void Tick(CDialog& dialog, unsigned id) {
  QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

void ChooseEntity(CDialog& dialog, const char* name) {
  auto* list = static_cast<QComboBox*>(Control(dialog, IDC_ENTITY_NAME));
  list->setFocus();
  while (list->currentText() != QString::fromLatin1(name)) {
    QTest::keyClick(list, Qt::Key_Down);
  }
}

void MoveSlider(CDialog& dialog, unsigned id, int position) {
  auto* slider = static_cast<QSlider*>(Control(dialog, id));
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Home);
  for (int step = 0; step < position; ++step) {
    QTest::keyClick(slider, Qt::Key_Right);
  }
}

// Drops a shot of a level on the dialog, as from a file manager.
void DropLevelShot(CDialog& dialog) {
  // Kept to the end: the dialog reads the file when the drop's notification arrives.
  static const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("level.png"));
  DrawLevelShot().save(file, "PNG");
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(file)});
  QWidget* window = platform::qt::WidgetOf(dialog.m_hWnd);
  DragAndDrop(window, window->rect().center(), files);
  QCoreApplication::processEvents();
}

void ShowAnOrangeFog(CDialog& dialog) {
  MoveSlider(dialog, IDC_FOG_RED, 100);
  MoveSlider(dialog, IDC_FOG_GREEN, 60);
  MoveSlider(dialog, IDC_FOG_BLUE, 25);
  MoveSlider(dialog, IDC_FOG_ALPHA, 65);
}

struct Scene {
  std::unique_ptr<CDialog> dialog;
  std::function<void(CDialog&)> actions;
};

Scene MakeScene(const std::string& name) {
  if (name == "launcher") {
    return {std::make_unique<CLauncherDlg>(), [](CDialog&) {}};
  }
  if (name == "classes") {
    return {std::make_unique<CClassesCalculatorDlg>(), [](CDialog& dialog) {
              for (unsigned id : {1006u, 1012u, 1018u}) {  // Wraith, Grunt, Mech
                Tick(dialog, id);
              }
              ChooseEntity(dialog, "worldspawn");
            }};
  }
  if (name == "spawnteams") {
    return {std::make_unique<CSpawnteamsCalculatorDlg>(), [](CDialog& dialog) {
              for (unsigned id : {1021u, 1023u, 1026u}) {  // Groups A, C and F
                Tick(dialog, id);
              }
            }};
  }
  if (name == "fog") {
    return {std::make_unique<CFogSettingsDlg>(), ShowAnOrangeFog};
  }
  if (name == "fog-level") {
    return {std::make_unique<CFogSettingsDlg>(), [](CDialog& dialog) {
              DropLevelShot(dialog);
              MoveSlider(dialog, IDC_FOG_RED, 70);
              MoveSlider(dialog, IDC_FOG_GREEN, 80);
              MoveSlider(dialog, IDC_FOG_BLUE, 100);
              MoveSlider(dialog, IDC_FOG_ALPHA, 45);
            }};
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: screenshot {launcher|classes|spawnteams|fog|fog-level} OUTPUT.png\n");
    return 2;
  }
  CEntityHelperApp app;
  Scene scene = MakeScene(argv[1]);
  if (!scene.dialog) {
    std::fprintf(stderr, "no dialog called %s\n", argv[1]);
    return 2;
  }
  bool saved = false;
  const QString output = QString::fromLocal8Bit(argv[2]);
  QTimer::singleShot(0, [&] {
    CDialog& dialog = *scene.dialog;
    scene.actions(dialog);
    QCoreApplication::processEvents();
    // Opaque RGB whatever the platform's surfaces are, so that shots from any platform compare.
    saved = platform::qt::WidgetOf(dialog.m_hWnd)
                ->grab()
                .toImage()
                .convertToFormat(QImage::Format_RGB32)
                .save(output, "PNG");
    dialog.EndDialog(IDOK);
  });
  scene.dialog->DoModal();
  if (!saved) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
  }
  return platform::qt::EndProcess(saved ? 0 : 1);
}
