#include <gtest/gtest.h>

#include <QLabel>
#include <functional>
#include <memory>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"
#include "res/dialog_templates.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

struct DialogCase {
  const char* name;
  const DialogTemplate* dialogTemplate;
  std::function<std::unique_ptr<CDialog>()> make;
};

class TemplateDialogs : public testing::TestWithParam<DialogCase> {
 protected:
  CEntityHelperApp app;
};

TEST_P(TemplateDialogs, TabVisitsEveryTabStopInTemplateOrder) {
  const std::unique_ptr<CDialog> dialog = GetParam().make();
  RunModal(*dialog, [&] {
    std::vector<int> stops;
    for (const DialogItemTemplate& item : GetParam().dialogTemplate->items) {
      if ((item.style & WS_TABSTOP) != 0) {
        stops.push_back(item.id);
      }
    }
    QWidget* window = WindowOf(*dialog);
    EXPECT_EQ(window->focusWidget(), ControlOf(*dialog, stops.front()));
    for (std::size_t step = 1; step <= stops.size(); ++step) {
      PressKey(window, Qt::Key_Tab);
      EXPECT_EQ(window->focusWidget(), ControlOf(*dialog, stops[step % stops.size()]))
          << "after " << step << " tabs";
    }
    dialog->EndDialog(IDOK);
  });
}

TEST_P(TemplateDialogs, ControlsStandWhereTheTemplatePutsThem) {
  const std::unique_ptr<CDialog> dialog = GetParam().make();
  const DialogTemplate& layout = *GetParam().dialogTemplate;
  RunModal(*dialog, [&] {
    QWidget* window = WindowOf(*dialog);
    EXPECT_EQ(window->windowTitle(), layout.caption);
    // A modal frame with a close box, and no minimise or maximise box.
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(ClippedTexts(window), std::vector<QString>());
    const double perUnitX = window->width() / static_cast<double>(layout.cx);
    const double perUnitY = window->height() / static_cast<double>(layout.cy);
    // in the template's order
    const auto& controls = platform::qt::Window(dialog->m_hWnd)->children;
    ASSERT_EQ(controls.size(), layout.items.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const DialogItemTemplate& item = layout.items[i];
      const QRect place = platform::qt::WidgetOf(controls[i])->geometry();
      const std::string text = item.text;
      EXPECT_NEAR(place.x(), item.x * perUnitX, 2) << text;
      EXPECT_NEAR(place.y(), item.y * perUnitY, 2) << text;
      EXPECT_NEAR(place.width(), item.cx * perUnitX, 2) << text;
      if (std::string(item.windowClass) != WC_COMBOBOX) {  // its height includes the list
        EXPECT_NEAR(place.height(), item.cy * perUnitY, 2) << text;
      }
    }
    dialog->EndDialog(IDOK);
  });
}

// In a wide font a text needing more lines than its rectangle grows into the room below it, or
// shows what fits with the whole text in its tooltip; it is never cut off silently.
TEST_P(TemplateDialogs, WideFontCutsNoTextSilently) {
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans Mono");
  const std::unique_ptr<CDialog> dialog = GetParam().make();
  RunModal(*dialog, [&] {
    QWidget* window = WindowOf(*dialog);
    EXPECT_EQ(ClippedTexts(window), std::vector<QString>());
    for (const HWND control : platform::qt::Window(dialog->m_hWnd)->children) {
      const auto* label = dynamic_cast<const QLabel*>(platform::qt::WidgetOf(control));
      if (label == nullptr) {
        continue;
      }
      char whole[512] = {};
      SendMessageA(control, WM_GETTEXT, sizeof whole, reinterpret_cast<LPARAM>(whole));
      if (label->text() != QString::fromLatin1(whole)) {
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << whole;
        EXPECT_EQ(label->toolTip(), QString::fromLatin1(whole));
      }
    }
    dialog->EndDialog(IDOK);
  });
  QFont::removeSubstitutions("MS Sans Serif");
}

INSTANTIATE_TEST_SUITE_P(
    AllDialogs, TemplateDialogs,
    testing::Values(DialogCase{"Launcher", &kLauncherTemplate,
                               [] { return std::make_unique<CLauncherDlg>(); }},
                    DialogCase{"Classes", &kClassesCalculatorTemplate,
                               [] { return std::make_unique<CClassesCalculatorDlg>(); }},
                    DialogCase{"Spawnteams", &kSpawnteamsCalculatorTemplate,
                               [] { return std::make_unique<CSpawnteamsCalculatorDlg>(); }},
                    DialogCase{"Fog", &kFogSettingsTemplate,
                               [] { return std::make_unique<CFogSettingsDlg>(); }}),
    [](const testing::TestParamInfo<DialogCase>& param) { return std::string(param.param.name); });

}  // namespace
