#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QLineEdit>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "platform/additions.h"
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
    DeliverQueued();
    EXPECT_EQ(ControlAs<QLineEdit>(fog, IDC_FOG_MASS)->text(), "20");
    fog.EndDialog(IDOK);
  });
}

// The names of the groupings that assistive tools see in the dialog's window.
QStringList Groupings(QWidget* window) {
  QStringList names;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
    if (item != nullptr && item->role() == QAccessible::Grouping) {
      names << item->text(QAccessible::Name);
    }
  }
  names.sort();
  return names;
}

TEST_F(Accessibility, GroupBoxesAreGroupingsNamedByTheirTitles) {
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    EXPECT_EQ(Groupings(WindowOf(classes)),
              QStringList({"Classes Field", "Classes Selected", "Entity information"}));
    classes.EndDialog(IDOK);
  });
  CSpawnteamsCalculatorDlg spawnteams;
  RunModal(spawnteams, [&] {
    EXPECT_EQ(Groupings(WindowOf(spawnteams)),
              QStringList({"Spawnteams / Groups", "Spawnteams value"}));
    spawnteams.EndDialog(IDOK);
  });
}

TEST_F(Accessibility, PreviewIsAnImageNamedByItsGroupThatSaysWhatItShows) {
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    EXPECT_EQ(Groupings(WindowOf(fog)), QStringList({"Entity Fields", "Fog Color", "Preview"}));
    QAccessibleInterface* preview = Accessible(fog, IDC_FOG_PREVIEW);
    EXPECT_EQ(preview->role(), QAccessible::Graphic);
    EXPECT_EQ(preview->text(QAccessible::Name), "Preview");
    EXPECT_TRUE(preview->text(QAccessible::Description).contains("fog"));
    platform::SetAccessibleDescription(*fog.GetDlgItem(IDC_FOG_PREVIEW),
                                       "The fog over caf\xe9.png");
    EXPECT_EQ(preview->text(QAccessible::Description),
              QString::fromUtf8("The fog over caf\u00e9.png"));
    fog.EndDialog(IDOK);
  });
}

TEST_F(Accessibility, ReadOnlyFieldsCanBeReadButNotWritten) {
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    for (unsigned id : {IDC_FOG_MASS, IDC_FOG_SPEED, IDC_FOG_ACCEL, IDC_FOG_DECEL}) {
      QAccessibleInterface* field = Accessible(fog, id);
      const QString shown = ControlAs<QLineEdit>(fog, static_cast<int>(id))->text();
      EXPECT_EQ(field->editableTextInterface(), nullptr) << id;
      EXPECT_TRUE(field->state().readOnly) << id;
      field->setText(QAccessible::Value, "999");
      EXPECT_EQ(ControlAs<QLineEdit>(fog, static_cast<int>(id))->text(), shown) << id;
      ASSERT_NE(field->textInterface(), nullptr);
      EXPECT_EQ(field->textInterface()->text(0, field->textInterface()->characterCount()), shown);
      field->textInterface()->setSelection(0, 0, 1);
      EXPECT_EQ(ControlAs<QLineEdit>(fog, static_cast<int>(id))->selectedText(), shown.left(1));
    }
    fog.EndDialog(IDOK);
  });
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    QAccessibleInterface* value = Accessible(classes, IDC_CLASSES_VALUE);
    EXPECT_EQ(value->editableTextInterface(), nullptr);
    value->setText(QAccessible::Value, "999");
    EXPECT_EQ(ControlAs<QLineEdit>(classes, IDC_CLASSES_VALUE)->text(), "");
    classes.EndDialog(IDOK);
  });
}

}  // namespace
