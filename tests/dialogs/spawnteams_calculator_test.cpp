#include "dialogs/spawnteams_calculator_dlg.h"

#include <gtest/gtest.h>

#include "app/entity_helper_app.h"
#include "logic/spawnteams_field.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

int Group(std::size_t row) {
  return static_cast<int>(IDC_FIRST_GROUP + row);
}

TEST(SpawnteamsCalculator, OpensEmptyTickedGroupsAddUpAndAPasteTicksItsGroups) {
  CEntityHelperApp app;
  CSpawnteamsCalculatorDlg dialog;
  RunModal(dialog, [&] {
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "");
    for (std::size_t row = 0; row < SpawnteamGroupTable.size(); ++row) {
      EXPECT_EQ(TextOf(dialog, Group(row)), SpawnteamGroupTable[row].label);
      EXPECT_FALSE(IsChecked(dialog, Group(row)));
    }
    Click(dialog, Group(0));
    Click(dialog, Group(2));
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "5");
    for (std::size_t row : {1, 3, 4, 5, 6, 7}) {
      Click(dialog, Group(row));
    }
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "255");
    Click(dialog, Group(7));
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "127");
    EXPECT_FALSE(IsChecked(dialog, Group(7)));
    // A pasted value ticks its groups and keeps bit 8, which no box stands for.
    if (!SetClipboardText("300")) {
      dialog.EndDialog(IDCANCEL);
      GTEST_SKIP() << "this session cannot put text on the clipboard";
    }
    PasteInto(dialog, IDC_SPAWNTEAMS_VALUE);
    for (std::size_t row = 0; row < SpawnteamGroupTable.size(); ++row) {
      EXPECT_EQ(IsChecked(dialog, Group(row)), row == 2 || row == 3 || row == 5) << row;
    }
    Click(dialog, Group(0));
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "301");
    Click(dialog, IDOK);
  });
}

}  // namespace
