#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSlider>

#include "app/entity_helper_app.h"
#include "res/resource.h"
#include "tests/support/gui_test_support.h"

namespace {

constexpr int kRounds = 200;

// A few clicks in whichever helper is open, then "Done".
void UseAndClose(QWidget* helper) {
  const QList<QCheckBox*> boxes = helper->findChildren<QCheckBox*>();
  for (int i = 0; i < std::min<qsizetype>(boxes.size(), 3); ++i) {
    Click(boxes[i]);
  }
  const QList<QSlider*> sliders = helper->findChildren<QSlider*>();
  if (!sliders.isEmpty()) {
    sliders.back()->setFocus();
    PressKey(helper, Qt::Key_Right);
    PressKey(helper, Qt::Key_PageDown);
  }
  Click(DefaultButton(helper));
}

TEST(Soak, EveryHelperOpensAndClosesTwoHundredTimes) {
  CEntityHelperApp app;
  const ModalWatchdog watchdog;
  int opened = 0;
  WhenModalStarts([&] {
    for (int round = 0; round < kRounds; ++round) {
      for (unsigned button : {IDC_OPEN_CLASSES, IDC_OPEN_SPAWNTEAMS, IDC_OPEN_FOG}) {
        WhenModalStarts([&] {
          ++opened;
          UseAndClose(QApplication::activeModalWidget());
        });
        Click(ControlOf(*app.m_pMainWnd, static_cast<int>(button)));
      }
    }
    Click(ControlOf(*app.m_pMainWnd, IDOK));
  });
  app.InitInstance();
  EXPECT_EQ(opened, 3 * kRounds);
}

}  // namespace
