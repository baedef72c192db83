#include <gtest/gtest.h>

#include <functional>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "logic/preview_pixels.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/picture_files.h"

namespace {

class Launcher : public testing::Test {
 protected:
  // Runs the program's main loop, the launcher, with `steps` inside it.
  void RunLauncher(const std::function<void(CDialog&)>& steps) {
    const ModalTimeLimit limit;
    WhenNextDialogRuns(steps);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }

  CEntityHelperApp app;
};

void AskForHelp(CDialog& dialog) {
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0));
}

// What reaches a window while another runs over it is not the user's doing: no helper over a
// helper, no message box over a message box, however many commands arrive.
TEST_F(Launcher, OnlyTheWindowInFrontTakesCommands) {
  CDialog* launcherSeen = nullptr;
  CDialog* helperSeen = nullptr;
  const auto knockOnTheLauncher = [&] {
    for (int knock = 0; knock < 5; ++knock) {
      AskForHelp(*launcherSeen);
      Click(*launcherSeen, IDC_OPEN_SPAWNTEAMS);
    }
  };
  MessageBoxRecorder boxes([&] {
    knockOnTheLauncher();
    for (int knock = 0; helperSeen != nullptr && knock < 5; ++knock) {
      AskForHelp(*helperSeen);
    }
  });
  RunLauncher([&](CDialog& launcher) {
    launcherSeen = &launcher;
    WhenNextDialogRuns([&](CDialog& helper) {
      helperSeen = &helper;
      EXPECT_EQ(helper.m_nIDHelp, static_cast<UINT>(IDD_CLASSES_CALCULATOR));
      knockOnTheLauncher();
      EXPECT_TRUE(boxes.Texts().empty());
      AskForHelp(helper);
      Click(helper, IDOK);
      helperSeen = nullptr;  // gone once its run ends
    });
    Click(launcher, IDC_OPEN_CLASSES);
    EXPECT_TRUE(IsShown(launcher));
    AskForHelp(launcher);
    Click(launcher, IDOK);
  });
  // The helper's help, then the launcher's, each captioned with the program's name.
  ASSERT_EQ(boxes.Texts().size(), 2u);
  EXPECT_EQ(boxes.Texts()[1].rfind("Click a numbered button", 0), 0u) << boxes.Texts()[1];
  EXPECT_EQ(boxes.Captions(), std::vector<std::string>(2, "VardakEntityHelper"));
}

struct HelperCase {
  const char* name;
  unsigned button;
  UINT helperTemplate;
  const char* helpSays;  // what its help, at the least, tells
};

class LauncherOpens : public Launcher, public testing::WithParamInterface<HelperCase> {};

TEST_P(LauncherOpens, HelperRunsWithTheLauncherHiddenAndDisabledThenComesBack) {
  MessageBoxRecorder boxes;
  bool helperSeen = false;
  RunLauncher([&](CDialog& launcher) {
    WhenNextDialogRuns([&](CDialog& helper) {
      helperSeen = true;
      EXPECT_EQ(helper.m_nIDHelp, GetParam().helperTemplate);
      EXPECT_FALSE(IsShown(launcher));
      EXPECT_FALSE(IsEnabled(launcher));
      AskForHelp(helper);
      Click(helper, IDOK);
    });
    Click(launcher, static_cast<int>(GetParam().button));
    EXPECT_TRUE(IsShown(launcher));
    EXPECT_TRUE(IsEnabled(launcher));
    Click(launcher, IDOK);
  });
  EXPECT_TRUE(helperSeen);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find(GetParam().helpSays), std::string::npos) << boxes.Texts()[0];
}

INSTANTIATE_TEST_SUITE_P(
    EachHelper, LauncherOpens,
    testing::Values(HelperCase{"Classes", IDC_OPEN_CLASSES, IDD_CLASSES_CALCULATOR, "Paste Value"},
                    HelperCase{"Spawnteams", IDC_OPEN_SPAWNTEAMS, IDD_SPAWNTEAMS_CALCULATOR,
                               "\"spawnteams:\""},
                    HelperCase{"Fog", IDC_OPEN_FOG, IDD_FOG_SETTINGS, "Paste Fog"}),
    [](const testing::TestParamInfo<HelperCase>& param) { return std::string(param.param.name); });

// A helper keeps nothing from one opening to the next: the Fog helper holds the most.
TEST_F(Launcher, FogHelperReopensOnTheDefaultsAndTheSamplePicture) {
  const PictureFolder folder;
  const std::filesystem::path level =
      folder.Write("level.bmp", TestPictureFile(TestPicture::kPatternBmp));
  std::vector<std::uint8_t> sample;
  RunLauncher([&](CDialog& launcher) {
    WhenNextDialogRuns([&](CDialog& helper) {
      sample = PictureBits(helper, IDC_FOG_PREVIEW);
      DragSlider(helper, IDC_FOG_ALPHA, 100);
      DropFiles(helper, {level});
      EXPECT_NE(PictureBits(helper, IDC_FOG_PREVIEW), sample);
      Click(helper, IDOK);
    });
    Click(launcher, IDC_OPEN_FOG);
    WhenNextDialogRuns([&](CDialog& helper) {
      EXPECT_EQ(SliderPosition(helper, IDC_FOG_ALPHA), 50);
      EXPECT_EQ(TextOf(helper, IDC_FOG_MASS), "50");
      EXPECT_EQ(PictureBits(helper, IDC_FOG_PREVIEW), sample);
      Click(helper, IDOK);
    });
    Click(launcher, IDC_OPEN_FOG);
    Click(launcher, IDOK);
  });
  EXPECT_EQ(sample.size(), kPreviewByteCount);
}

}  // namespace
