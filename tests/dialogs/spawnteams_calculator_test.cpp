#include "dialogs/spawnteams_calculator_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "app/entity_helper_app.h"
#include "logic/spawnteams_field.h"
#include "res/resource.h"
#include "tests/support/gui_test_support.h"

namespace {

class SpawnteamsCalculator : public testing::Test {
 protected:
  QCheckBox* Group(std::size_t row) {
    return ControlAs<QCheckBox>(dialog, static_cast<int>(IDC_FIRST_GROUP + row));
  }
  QString Value() { return ControlAs<QLineEdit>(dialog, IDC_SPAWNTEAMS_VALUE)->text(); }

  CEntityHelperApp app;
  CSpawnteamsCalculatorDlg dialog;
};

TEST_F(SpawnteamsCalculator, OpensEmptyWithTheValueFieldBeforeTheBoxesInTabOrder) {
  RunModal(dialog, [&] {
    EXPECT_EQ(Value(), "");
    for (std::size_t row = 0; row < SpawnteamGroupTable.size(); ++row) {
      EXPECT_EQ(Group(row)->text(), SpawnteamGroupTable[row].label);
      EXPECT_FALSE(Group(row)->isChecked());
    }
    EXPECT_EQ(WindowOf(dialog)->focusWidget(), ControlOf(dialog, IDOK));
    PressKey(WindowOf(dialog), Qt::Key_Tab);
    EXPECT_EQ(WindowOf(dialog)->focusWidget(), ControlOf(dialog, IDC_SPAWNTEAMS_VALUE));
    PressKey(WindowOf(dialog), Qt::Key_Tab);
    EXPECT_EQ(WindowOf(dialog)->focusWidget(), Group(0));
    EXPECT_EQ(ClippedTexts(WindowOf(dialog)), std::vector<QString>());
    Click(ControlOf(dialog, IDOK));
  });
}

TEST_F(SpawnteamsCalculator, TickedGroupsAddUp) {
  RunModal(dialog, [&] {
    Click(Group(0));
    Click(Group(2));
    EXPECT_EQ(Value(), "5");
    for (std::size_t row : {1, 3, 4, 5, 6, 7}) {
      Click(Group(row));
    }
    EXPECT_EQ(Value(), "255");
    Group(7)->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_Space);
    EXPECT_EQ(Value(), "127");
    Click(ControlOf(dialog, IDOK));
  });
}

}  // namespace
