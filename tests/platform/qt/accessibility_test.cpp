#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QLineEdit>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

QAccessibleInterface* Accessible(CDialog& dialog, unsigned id) {
  return QAccessible::queryAccessibleInterface(ControlOf(dialog, static_cast<int>(id)));
}

class Accessibility : public testing::Test {
 protected:
  CEntityHelperApp app;
};

TEST_F(Accessibility, FieldsListsAndSlidersAreNamedByTheirLabels) {
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    // A list's name is its choice on Linux; its label comes as the "labelled by" relation.
    QStringList labels;
    for (const auto& [other, relation] :
         Accessible(classes, IDC_ENTITY_NAME)->relations(QAccessible::Label)) {
      labels << other->text(QAccessible::Name);
    }
    EXPECT_EQ(labels, QStringList({"Entity Name:"}));
    EXPECT_EQ(ControlOf(classes, IDC_ENTITY_NAME)->accessibleName(), "Entity Name:");
    EXPECT_EQ(Accessible(classes, IDC_CLASSES_VALUE)->text(QAccessible::Name), "Classes Value:");
    classes.EndDialog(IDOK);
  });
  CSpawnteamsCalculatorDlg spawnteams;
  RunModal(spawnteams, [&] {
    EXPECT_EQ(Accessible(spawnteams, IDC_SPAWNTEAMS_VALUE)->text(QAccessible::Name), "spawnteams:");
    spawnteams.EndDialog(IDOK);
  });
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    const std::pair<unsigned, const char*> named[] = {
        {IDC_FOG_RED, "R"},       {IDC_FOG_GREEN, "G"},    {IDC_FOG_BLUE, "B"},
        {IDC_FOG_ALPHA, "Alpha"}, {IDC_FOG_MASS, "mass"},  {IDC_FOG_SPEED, "speed"},
        {IDC_FOG_ACCEL, "accel"}, {IDC_FOG_DECEL, "decel"}};
    for (const auto& [id, name] : named) {
      EXPECT_EQ(Accessible(fog, id)->text(QAccessible::Name), name) << id;
    }
    fog.EndDialog(IDOK);
  });
}

TEST_F(Accessibility, ToggleActionOfACheckBoxIsAClick) {
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    QAccessibleInterface* grunt = Accessible(classes, IDC_FIRST_CLASS + 9);
    EXPECT_EQ(grunt->text(QAccessible::Name), "Grunt");
    EXPECT_EQ(grunt->role(), QAccessible::CheckBox);
    grunt->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(grunt->state().checked);
    EXPECT_EQ(ControlAs<QLineEdit>(classes, IDC_CLASSES_VALUE)->text(), "2");
    grunt->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ControlAs<QLineEdit>(classes, IDC_CLASSES_VALUE)->text(), "0");
    classes.EndDialog(IDOK);
  });
}

TEST_F(Accessibility, SliderValueSetByAToolUpdatesTheFields) {
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    QAccessibleValueInterface* alpha = Accessible(fog, IDC_FOG_ALPHA)->valueInterface();
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->currentValue().toInt(), 50);
    EXPECT_EQ(alpha->maximumValue().toInt(), 100);
    alpha->setCurrentValue(20);
    EXPECT_EQ(ControlAs<QLineEdit>(fog, IDC_FOG_MASS)->text(), "20");
    fog.EndDialog(IDOK);
  });
}

}  // namespace
