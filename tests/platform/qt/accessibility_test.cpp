#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QLineEdit>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "res/resource.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

QAccessibleInterface* Accessible(CDialog& dialog, unsigned id) {
  return QAccessible::queryAccessibleInterface(ControlOf(dialog, static_cast<int>(id)));
}

QString FieldText(CDialog& dialog, unsigned id) {
  return ControlAs<QLineEdit>(dialog, static_cast<int>(id))->text();
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

class Accessibility : public testing::Test {
 protected:
  CEntityHelperApp app;
};

// Assistive tools click a check box as a user does, so the dialog hears of it.
TEST_F(Accessibility, CalculatorListIsLabelledAndCheckBoxActionsClick) {
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    // A list's name is its choice on Linux; its label comes as the "labelled by" relation.
    const auto relations = Accessible(classes, IDC_ENTITY_NAME)->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1);
    EXPECT_EQ(relations.front().first->text(QAccessible::Name), "Entity Name:");
    QAccessibleInterface* grunt = Accessible(classes, IDC_FIRST_CLASS + 9);
    EXPECT_EQ(grunt->text(QAccessible::Name), "Grunt");
    grunt->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(grunt->state().checked);
    EXPECT_EQ(FieldText(classes, IDC_CLASSES_VALUE), "2");
    grunt->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(FieldText(classes, IDC_CLASSES_VALUE), "0");
    classes.EndDialog(IDOK);
  });
}

// Named by their labels and groups; a tool reads and selects a value field but cannot write it,
// and moves a slider as a user does (the fields follow).
TEST_F(Accessibility, FogControlsAreNamedDescribedAndWorkedByTools) {
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    EXPECT_EQ(Accessible(fog, IDC_FOG_RED)->text(QAccessible::Name), "R");
    EXPECT_EQ(Accessible(fog, IDC_FOG_DECEL)->text(QAccessible::Name), "decel");
    EXPECT_EQ(Groupings(WindowOf(fog)), QStringList({"Entity Fields", "Fog Color", "Preview"}));
    QAccessibleInterface* preview = Accessible(fog, IDC_FOG_PREVIEW);
    EXPECT_EQ(preview->role(), QAccessible::Graphic);
    EXPECT_EQ(preview->text(QAccessible::Name), "Preview");
    EXPECT_TRUE(preview->text(QAccessible::Description).contains("fog"));
    platform::SetAccessibleDescription(*fog.GetDlgItem(IDC_FOG_PREVIEW), "Fog over caf\xe9.png");
    EXPECT_EQ(preview->text(QAccessible::Description), QString::fromUtf8("Fog over caf\u00e9.png"));

    QAccessibleInterface* field = Accessible(fog, IDC_FOG_MASS);
    EXPECT_EQ(field->editableTextInterface(), nullptr);
    EXPECT_TRUE(field->state().readOnly);
    field->setText(QAccessible::Value, "999");
    EXPECT_EQ(FieldText(fog, IDC_FOG_MASS), "50");
    ASSERT_NE(field->textInterface(), nullptr);
    EXPECT_EQ(field->textInterface()->text(0, field->textInterface()->characterCount()), "50");
    field->textInterface()->setSelection(0, 0, 1);
    EXPECT_EQ(ControlAs<QLineEdit>(fog, IDC_FOG_MASS)->selectedText(), "5");
    QAccessibleValueInterface* alpha = Accessible(fog, IDC_FOG_ALPHA)->valueInterface();
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->currentValue().toInt(), 50);
    alpha->setCurrentValue(20);
    DeliverQueued();
    EXPECT_EQ(FieldText(fog, IDC_FOG_MASS), "20");
    fog.EndDialog(IDOK);
  });
}

}  // namespace
