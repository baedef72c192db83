#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "logic/preview_pixels.h"
#include "platform/gdi.h"
#include "platform/internal/dialog_window.h"
#include "platform/internal/gdi_objects.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "tests/support/gui_test_support.h"

namespace {

class Launcher : public testing::Test {
 protected:
  QWidget* Launched() { return WindowOf(*app.m_pMainWnd); }

  CEntityHelperApp app;
};

TEST_F(Launcher, ShowsTheTemplateWithNothingClipped) {
  CLauncherDlg launcher;
  RunModal(launcher, [&] {
    QWidget* window = WindowOf(launcher);
    EXPECT_EQ(window->windowTitle(), "Vardak Entity Helper");
    const auto* quit = ControlAs<QPushButton>(launcher, IDOK);
    EXPECT_EQ(quit->text(), "Quit");
    EXPECT_TRUE(quit->isDefault());
    const char* numbers[] = {"1", "2", "3"};
    for (unsigned i = 0; i < 3; ++i) {
      const auto* button = ControlAs<QPushButton>(launcher, static_cast<int>(IDC_OPEN_CLASSES + i));
      EXPECT_EQ(button->text(), numbers[i]);
      EXPECT_FALSE(button->isDefault());
    }
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      labels << label->text();
    }
    EXPECT_EQ(labels,
              QStringList({"Classes Calculator", "Spawnteam Calculator", "Fog Settings Helper",
                           "Click on the button for the helper that you would like to use."}));
    EXPECT_EQ(ClippedTexts(window), std::vector<QString>());
    launcher.EndDialog(IDOK);
  });
}

TEST_F(Launcher, CarriesTheApplicationIconInBothSizes) {
  CLauncherDlg launcher;
  RunModal(launcher, [&] {
    const QList<QSize> sizes = WindowOf(launcher)->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_EQ(launcher.SendMessage(WM_QUERYDRAGICON),
              reinterpret_cast<LRESULT>(app.LoadIcon(IDR_MAINFRAME)));
    launcher.EndDialog(IDOK);
  });
}

TEST_F(Launcher, MinimisedItPaintsItsIconInTheMiddle) {
  CLauncherDlg launcher;
  RunModal(launcher, [&] {
    QWidget* window = WindowOf(launcher);
    window->setWindowState(Qt::WindowMinimized);
    QImage painted(window->size(), QImage::Format_ARGB32);
    painted.fill(Qt::magenta);
    window->render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QImage icon = app.LoadIcon(IDR_MAINFRAME)->large;
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
    launcher.EndDialog(IDOK);
  });
}

class LauncherEnds : public Launcher, public testing::WithParamInterface<int> {};

TEST_P(LauncherEnds, QuitEscapeAndTheCloseBoxEndTheProgram) {
  const ModalWatchdog watchdog;
  WhenModalStarts([&] {
    switch (GetParam()) {
      case 0:
        Click(ControlOf(*app.m_pMainWnd, IDOK));
        break;
      case 1:
        PressKey(Launched(), Qt::Key_Escape);
        break;
      default:
        Launched()->close();
    }
  });
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(ByQuitEscapeOrCloseBox, LauncherEnds, testing::Values(0, 1, 2));

TEST_F(Launcher, F1ShowsHowTheToolIsUsed) {
  MessageBoxRecorder boxes;
  const ModalWatchdog watchdog;
  WhenModalStarts([&] {
    PressKey(Launched(), Qt::Key_F1);
    Click(ControlOf(*app.m_pMainWnd, IDOK));
  });
  app.InitInstance();
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("Click a numbered button"));
}

struct HelperCase {
  unsigned button;
  const char* caption;
  int closeWay;  // 0 "Done", 1 Esc, 2 the close box
};

class LauncherOpens : public Launcher, public testing::WithParamInterface<HelperCase> {};

TEST_P(LauncherOpens, HelperRunsWithTheLauncherHiddenAndComesBack) {
  const HelperCase helper = GetParam();
  const ModalWatchdog watchdog;
  bool helperSeen = false;
  WhenModalStarts([&] {
    WhenModalStarts([&] {
      QWidget* opened = QApplication::activeModalWidget();
      ASSERT_NE(opened, nullptr);
      helperSeen = true;
      EXPECT_EQ(opened->windowTitle(), helper.caption);
      EXPECT_FALSE(Launched()->isVisible());
      EXPECT_FALSE(Launched()->isEnabled());
      if (helper.closeWay == 0) {
        Click(DefaultButton(opened));
      } else if (helper.closeWay == 1) {
        PressKey(opened, Qt::Key_Escape);
      } else {
        opened->close();
      }
    });
    Click(ControlOf(*app.m_pMainWnd, static_cast<int>(helper.button)));
    EXPECT_TRUE(Launched()->isVisible());
    EXPECT_TRUE(Launched()->isEnabled());
    Click(ControlOf(*app.m_pMainWnd, IDOK));
  });
  app.InitInstance();
  EXPECT_TRUE(helperSeen);
}

std::vector<HelperCase> AllHelpersAllWays() {
  std::vector<HelperCase> cases;
  const std::pair<unsigned, const char*> helpers[] = {
      {IDC_OPEN_CLASSES, "Classes Calculator"},
      {IDC_OPEN_SPAWNTEAMS, "Spawnteams Calculator"},
      {IDC_OPEN_FOG, "Fog Settings Helper"}};
  for (const auto& [button, caption] : helpers) {
    for (int way = 0; way < 3; ++way) {
      cases.push_back({button, caption, way});
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EachHelperEachWayOut, LauncherOpens,
                         testing::ValuesIn(AllHelpersAllWays()));

// Opens the helper behind `button` twice; `use` acts in the first, `check` looks at the second.
void OpenTwice(CWinApp& app, unsigned button, const std::function<void(QWidget*)>& use,
               const std::function<void(QWidget*)>& check) {
  const ModalWatchdog watchdog;
  WhenModalStarts([&] {
    QWidget* launcher = WindowOf(*app.m_pMainWnd);
    for (const auto& step : {use, check}) {
      WhenModalStarts([&] {
        QWidget* helper = QApplication::activeModalWidget();
        step(helper);
        Click(DefaultButton(helper));
      });
      Click(ControlOf(*app.m_pMainWnd, static_cast<int>(button)));
    }
    Click(DefaultButton(launcher));
  });
  app.InitInstance();
}

TEST_F(Launcher, SecondOpeningOfTheClassesCalculatorStartsEmpty) {
  OpenTwice(
      app, IDC_OPEN_CLASSES,
      [](QWidget* helper) {
        Click(helper->findChildren<QCheckBox*>().at(9));  // Grunt
        EXPECT_EQ(helper->findChild<QLineEdit*>()->text(), "2");
      },
      [](QWidget* helper) {
        EXPECT_EQ(helper->findChild<QLineEdit*>()->text(), "");
        for (const QCheckBox* box : helper->findChildren<QCheckBox*>()) {
          EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
        }
      });
}

TEST_F(Launcher, SecondOpeningOfTheSpawnteamsCalculatorStartsEmpty) {
  OpenTwice(
      app, IDC_OPEN_SPAWNTEAMS,
      [](QWidget* helper) { Click(helper->findChildren<QCheckBox*>().at(0)); },
      [](QWidget* helper) {
        EXPECT_EQ(helper->findChild<QLineEdit*>()->text(), "");
        EXPECT_FALSE(helper->findChildren<QCheckBox*>().at(0)->isChecked());
      });
}

// The bits the fog helper's preview shows.
std::vector<std::uint8_t> PreviewBits(QWidget* helper) {
  CWnd* dialog = CWnd::FromHandle(dynamic_cast<DialogWindow*>(helper)->Handle());
  const auto shown = reinterpret_cast<HBITMAP>(
      dialog->GetDlgItem(IDC_FOG_PREVIEW)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  std::vector<std::uint8_t> bits(kPreviewByteCount);
  EXPECT_EQ(GetBitmapBits(shown, static_cast<LONG>(bits.size()), bits.data()),
            static_cast<LONG>(bits.size()));
  return bits;
}

TEST_F(Launcher, SecondOpeningOfTheFogHelperStartsFromTheDefaults) {
  QString firstMass;
  std::vector<std::uint8_t> firstPicture;
  OpenTwice(
      app, IDC_OPEN_FOG,
      [&](QWidget* helper) {
        firstPicture = PreviewBits(helper);
        QWidget* alpha = helper->findChildren<QSlider*>().at(3);
        alpha->setFocus();
        PressKey(helper, Qt::Key_End);
        firstMass = helper->findChildren<QLineEdit*>().at(0)->text();
        EXPECT_NE(PreviewBits(helper), firstPicture);
      },
      [&](QWidget* helper) {
        EXPECT_EQ(helper->findChildren<QSlider*>().at(3)->value(), 50);
        EXPECT_EQ(helper->findChildren<QLineEdit*>().at(0)->text(), "50");
        EXPECT_EQ(PreviewBits(helper), firstPicture);
      });
  EXPECT_EQ(firstMass, "100");
}

}  // namespace
