#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "platform/cwinapp.h"
#include "platform/detail/backend_contract.h"
#include "platform/qt/icon_record.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

class LauncherWindow : public testing::Test {
 protected:
  // Runs the program's main loop, the launcher, with `steps` inside it.
  void RunLauncher(const std::function<void(QWidget*)>& steps) {
    const ModalTimeLimit limit;
    WhenNextDialogRuns([&](CDialog& launcher) { steps(WindowOf(launcher)); });
    EXPECT_FALSE(app.InitInstance());
  }
  QWidget* Button(unsigned id) { return ControlOf(*app.m_pMainWnd, static_cast<int>(id)); }

  CEntityHelperApp app;
};

TEST_F(LauncherWindow, ShowsItsTitleAndTheApplicationIconInBothSizes) {
  RunLauncher([&](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "Vardak Entity Helper");
    EXPECT_TRUE(DefaultButton(window) == Button(IDOK));
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_EQ(app.m_pMainWnd->SendMessage(WM_QUERYDRAGICON),
              reinterpret_cast<LRESULT>(app.LoadIcon(IDR_MAINFRAME)));
    Click(Button(IDOK));
  });
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
    Click(Button(IDOK));
  });
}

TEST_F(LauncherWindow, EveryWindowCarriesTheProgramIconAndNames) {
  platform::detail::StartApplication(AfxGetAppName());
  // The X11 window class and the Wayland application id the desktop entry names.
  EXPECT_EQ(QApplication::applicationName(), "VardakEntityHelper");
  EXPECT_EQ(QApplication::desktopFileName(), "org.vardak.EntityHelper");
  RunLauncher([&](QWidget* launcher) {
    WhenNextDialogRuns([](CDialog& helper) {
      const QList<QSize> sizes = WindowOf(helper)->windowIcon().availableSizes();
      EXPECT_TRUE(sizes.contains(QSize(32, 32)));
      EXPECT_TRUE(sizes.contains(QSize(16, 16)));
      RunWhen([] { return QApplication::activeModalWidget() != nullptr; },
              [] {
                QWidget* box = QApplication::activeModalWidget();
                EXPECT_TRUE(box->windowIcon().availableSizes().contains(QSize(32, 32)));
                box->close();
              });
      helper.MessageBoxA("A message");
      helper.EndDialog(IDOK);
    });
    Click(Button(IDC_OPEN_FOG));
    Click(DefaultButton(launcher));
  });
  QApplication::setWindowIcon(QIcon());
}

enum class WayOut { kDefaultButton, kEscape, kCloseBox };

void LeaveBy(WayOut way, QWidget* window) {
  switch (way) {
    case WayOut::kDefaultButton:
      Click(DefaultButton(window));
      break;
    case WayOut::kEscape:
      PressKey(window, Qt::Key_Escape);
      break;
    case WayOut::kCloseBox:
      window->close();
      break;
  }
}

std::string NameOf(WayOut way) {
  switch (way) {
    case WayOut::kDefaultButton:
      return "DefaultButton";
    case WayOut::kEscape:
      return "Escape";
    case WayOut::kCloseBox:
      return "CloseBox";
  }
  return "";
}

class LauncherLeft : public LauncherWindow, public testing::WithParamInterface<WayOut> {};

TEST_P(LauncherLeft, EndsTheProgram) {
  RunLauncher([](QWidget* window) { LeaveBy(GetParam(), window); });
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(EachWayOut, LauncherLeft,
                         testing::Values(WayOut::kDefaultButton, WayOut::kEscape,
                                         WayOut::kCloseBox),
                         [](const testing::TestParamInfo<WayOut>& param) {
                           return NameOf(param.param);
                         });

// A close that arrives while the window is not shown (one delivered late, as under load) ends
// the run as the close box does, rather than leaving it running with nothing on screen.
TEST_F(LauncherWindow, CloseWhileHiddenStillEndsTheRun) {
  RunLauncher([](QWidget* window) {
    window->hide();
    window->close();
  });
}

TEST_F(LauncherWindow, F1ShowsHowTheToolIsUsed) {
  MessageBoxRecorder boxes;
  RunLauncher([&](QWidget* window) {
    PressKey(window, Qt::Key_F1);
    Click(Button(IDOK));
  });
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind("Click a numbered button", 0), 0u) << boxes.Texts()[0];
}

}  // namespace
