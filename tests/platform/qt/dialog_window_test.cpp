#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "platform/cwinapp.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/qt/icon_record.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

// Texts that do not fit their control: labels, push buttons and check boxes.
std::vector<QString> ClippedTexts(QWidget* window) {
  std::vector<QString> clipped;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (auto* label = dynamic_cast<QLabel*>(widget)) {
      if (label->heightForWidth(label->width()) > label->height() ||
          label->fontMetrics().horizontalAdvance(label->text().split(' ').first()) >
              label->width()) {
        clipped.push_back(label->text());
      }
    } else if (auto* box = dynamic_cast<QCheckBox*>(widget)) {
      if (box->sizeHint().width() > box->width() || box->fontMetrics().height() > box->height()) {
        clipped.push_back(box->text());
      }
    } else if (auto* button = dynamic_cast<QPushButton*>(widget)) {
      const QFontMetrics metrics = button->fontMetrics();
      if (metrics.horizontalAdvance(button->text()) + 4 > button->width() ||
          metrics.height() + 4 > button->height()) {
        clipped.push_back(button->text());
      }
    }
  }
  return clipped;
}

using MakeDialog = std::function<std::unique_ptr<CDialog>()>;

class ProgramDialogs : public testing::TestWithParam<std::pair<const char*, MakeDialog>> {
 protected:
  CEntityHelperApp app;
  const std::unique_ptr<CDialog> dialog = GetParam().second();
  const DialogTemplate& layout = *platform::detail::FindDialogTemplate(
      platform::detail::ProgramResourceTable(), dialog->m_nIDHelp);
};

TEST_P(ProgramDialogs, ControlsStandWhereTheTemplatePutsThemInTabOrder) {
  RunModal(*dialog, [&] {
    QWidget* window = WindowOf(*dialog);
    EXPECT_EQ(ClippedTexts(window), std::vector<QString>());
    const double perUnitX = window->width() / static_cast<double>(layout.cx);
    const double perUnitY = window->height() / static_cast<double>(layout.cy);
    const auto& controls = platform::qt::Window(dialog->m_hWnd)->children;  // in creation order
    ASSERT_EQ(controls.size(), layout.items.size());
    std::vector<QWidget*> stops;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const DialogItemTemplate& item = layout.items[i];
      QWidget* control = platform::qt::WidgetOf(controls[i]);
      const QRect place = control->geometry();
      EXPECT_NEAR(place.x(), item.x * perUnitX, 2) << item.text;
      EXPECT_NEAR(place.y(), item.y * perUnitY, 2) << item.text;
      EXPECT_NEAR(place.width(), item.cx * perUnitX, 2) << item.text;
      if (std::string(item.windowClass) != WC_COMBOBOX) {  // its height includes the list
        EXPECT_NEAR(place.height(), item.cy * perUnitY, 2) << item.text;
      }
      if ((item.style & WS_TABSTOP) != 0) {
        stops.push_back(control);
      }
    }
    EXPECT_EQ(window->focusWidget(), stops.front());
    for (std::size_t step = 1; step <= stops.size(); ++step) {
      PressKey(window, Qt::Key_Tab);
      EXPECT_EQ(window->focusWidget(), stops[step % stops.size()]) << step << " tabs";
    }
    dialog->EndDialog(IDOK);
  });
}

// In a wide font a text needing more lines than its rectangle grows into the room below it, or
// shows what fits with the whole text in its tooltip; it is never cut off silently.
TEST_P(ProgramDialogs, WideFontCutsNoTextSilently) {
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans Mono");
  RunModal(*dialog, [&] {
    EXPECT_EQ(ClippedTexts(WindowOf(*dialog)), std::vector<QString>());
    for (const HWND control : platform::qt::Window(dialog->m_hWnd)->children) {
      const auto* label = dynamic_cast<const QLabel*>(platform::qt::WidgetOf(control));
      char whole[512] = {};
      SendMessageA(control, WM_GETTEXT, sizeof whole, reinterpret_cast<LPARAM>(whole));
      if (label != nullptr && label->text() != QString::fromLatin1(whole)) {
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << whole;
        EXPECT_EQ(label->toolTip(), QString::fromLatin1(whole));
      }
    }
    dialog->EndDialog(IDOK);
  });
  QFont::removeSubstitutions("MS Sans Serif");
}

template <class Dialog>
std::pair<const char*, MakeDialog> Case(const char* name) {
  return {name, [] { return std::make_unique<Dialog>(); }};
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, ProgramDialogs,
                         testing::Values(Case<CLauncherDlg>("Launcher"),
                                         Case<CClassesCalculatorDlg>("Classes"),
                                         Case<CSpawnteamsCalculatorDlg>("Spawnteams"),
                                         Case<CFogSettingsDlg>("Fog")),
                         [](const auto& param) { return std::string(param.param.first); });

class LauncherWindow : public testing::Test {
 protected:
  // Runs the program's main loop, the launcher, with `steps` inside it.
  void RunLauncher(const std::function<void(QWidget*)>& steps) {
    const ModalTimeLimit limit;
    WhenNextDialogRuns([&](CDialog& launcher) { steps(WindowOf(launcher)); });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }

  CEntityHelperApp app;
};

bool HasBothIconSizes(const QWidget* window) {
  const QList<QSize> sizes = window->windowIcon().availableSizes();
  return sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16));
}

// The X11 window class and the Wayland application id are what the desktop entry names.
TEST_F(LauncherWindow, EveryWindowCarriesTheProgramIconAndNames) {
  platform::detail::StartApplication(AfxGetAppName());
  EXPECT_EQ(QApplication::applicationName(), "VardakEntityHelper");
  EXPECT_EQ(QApplication::desktopFileName(), "org.vardak.EntityHelper");
  RunLauncher([&](QWidget* launcher) {
    EXPECT_TRUE(HasBothIconSizes(launcher));
    WhenNextDialogRuns([](CDialog& helper) {
      EXPECT_TRUE(HasBothIconSizes(WindowOf(helper)));
      helper.EndDialog(IDOK);
    });
    ClickAt(ControlOf(*app.m_pMainWnd, IDC_OPEN_FOG), {4, 4});
    launcher->close();
  });
  QApplication::setWindowIcon(QIcon());
}

TEST_F(LauncherWindow, MinimisedItPaintsItsIconInTheMiddle) {
  RunLauncher([&](QWidget* window) {
    window->setWindowState(Qt::WindowMinimized);
    QImage painted(window->size(), QImage::Format_ARGB32);
    painted.fill(Qt::magenta);
    window->render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QImage icon = platform::qt::Icon(app.LoadIcon(IDR_MAINFRAME))->large;
    const QPoint origin((window->width() - 32 + 1) / 2, (window->height() - 32 + 1) / 2);
    int different = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (qAlpha(icon.pixel(x, y)) == 255) {
          different += painted.pixel(origin + QPoint(x, y)) != icon.pixel(x, y);
        }
      }
    }
    EXPECT_EQ(different, 0);
    EXPECT_EQ(painted.pixelColor(2, 2), window->palette().window().color());
    window->close();
  });
}

// F1 asks for help; Escape, the close box, and a close that arrives while the window is hidden
// (delivered late, as under load) end the program, rather than leave it running unseen.
TEST_F(LauncherWindow, F1HelpsAndEscapeOrCloseEndTheProgram) {
  MessageBoxRecorder boxes;
  RunLauncher([](QWidget* window) {
    PressKey(window, Qt::Key_F1);
    PressKey(window, Qt::Key_Escape);
  });
  EXPECT_EQ(boxes.Texts().size(), 1u);
  RunLauncher([](QWidget* window) { window->close(); });
  RunLauncher([](QWidget* window) {
    window->hide();
    window->close();
  });
}

}  // namespace
