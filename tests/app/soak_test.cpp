#include <gtest/gtest.h>

#include "app/entity_helper_app.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

constexpr int kRounds = 200;

// A few clicks or slider moves in whichever helper is open, then "Done".
void UseAndClose(CDialog& helper, unsigned button) {
  if (button == IDC_OPEN_FOG) {
    MoveSliderByHand(helper, IDC_FOG_ALPHA, SliderGesture::kKey);
    DragSlider(helper, IDC_FOG_RED, 40);
  } else {
    const unsigned firstBox = button == IDC_OPEN_CLASSES ? IDC_FIRST_CLASS : IDC_FIRST_GROUP;
    for (unsigned box = firstBox; box < firstBox + 3; ++box) {
      Click(helper, static_cast<int>(box));
    }
  }
  Click(helper, IDOK);
}

TEST(Soak, EveryHelperOpensAndClosesTwoHundredTimes) {
  CEntityHelperApp app;
  const ModalTimeLimit limit(120);
  int opened = 0;
  WhenNextDialogRuns([&](CDialog& launcher) {
    for (int round = 0; round < kRounds; ++round) {
      for (unsigned button : {IDC_OPEN_CLASSES, IDC_OPEN_SPAWNTEAMS, IDC_OPEN_FOG}) {
        WhenNextDialogRuns([&, button](CDialog& helper) {
          ++opened;
          UseAndClose(helper, button);
        });
        Click(launcher, static_cast<int>(button));
      }
    }
    Click(launcher, IDOK);
  });
  app.InitInstance();
  EXPECT_EQ(opened, 3 * kRounds);
}

}  // namespace
