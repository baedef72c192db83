#include "dialogs/classes_calculator_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/entity_helper_app.h"
#include "logic/classes_field.h"
#include "res/resource.h"
#include "tests/support/gui_test_support.h"

namespace {

constexpr const char* kOpeningDescription =
    "For the trigger_multiple entity, the classes field specifies which classes WILL trigger the "
    "entity.  If no value is specified then all classes will trigger it.";

class ClassesCalculator : public testing::Test {
 protected:
  QCheckBox* Box(const char* label) {
    for (unsigned id = IDC_FIRST_CLASS; id <= IDC_LAST_CLASS; ++id) {
      auto* box = ControlAs<QCheckBox>(dialog, static_cast<int>(id));
      if (box->text() == label) {
        return box;
      }
    }
    ADD_FAILURE() << "no box " << label;
    return nullptr;
  }
  QString Value() { return ControlAs<QLineEdit>(dialog, IDC_CLASSES_VALUE)->text(); }
  QString Description() { return ControlAs<QLabel>(dialog, IDC_ENTITY_DESCRIPTION)->text(); }
  void ChooseWithKey(int key) {
    ControlOf(dialog, IDC_ENTITY_NAME)->setFocus();
    PressKey(WindowOf(dialog), key);
  }

  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
};

TEST_F(ClassesCalculator, OpensOnTriggerMultipleWithTheTemplateTextAndNoValue) {
  RunModalThenDone(dialog, [&] {
    const auto* names = ControlAs<QComboBox>(dialog, IDC_ENTITY_NAME);
    QStringList items;
    for (int i = 0; i < names->count(); ++i) {
      items << names->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"target_aliens_win", "target_humans_win", "trigger_fog",
                                  "trigger_multiple", "trigger_once", "worldspawn"}));
    EXPECT_EQ(names->currentText(), "trigger_multiple");
    EXPECT_EQ(Description(), kOpeningDescription);
    EXPECT_EQ(Value(), "");
    for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
      const auto* box = ControlAs<QCheckBox>(dialog, static_cast<int>(IDC_FIRST_CLASS + row));
      EXPECT_EQ(box->text(), ClassBitTable[row].label);
      EXPECT_FALSE(box->isChecked());
    }
    EXPECT_TRUE(ControlAs<QLineEdit>(dialog, IDC_CLASSES_VALUE)->isReadOnly());
    EXPECT_EQ(ClippedTexts(WindowOf(dialog)), std::vector<QString>());
  });
}

TEST_F(ClassesCalculator, EachClickShowsTheMaskOfTheTickedClasses) {
  RunModalThenDone(dialog, [&] {
    Click(Box("Grunt"));
    EXPECT_EQ(Value(), "2");
    Click(Box("Mech"));
    EXPECT_EQ(Value(), "130");
    Click(Box("Grunt"));
    Click(Box("Mech"));
    EXPECT_EQ(Value(), "0");
    for (const auto& [label, value] : {std::pair{"Wraith", "1048576"},
                                       {"Kamikaze", "524288"},
                                       {"Breeder", "65536"},
                                       {"Biotech", "32"}}) {
      Click(Box(label));
      EXPECT_EQ(Value(), value) << label;
      Click(Box(label));
    }
  });
}

TEST_F(ClassesCalculator, AllSixteenSetBothGroupsOfBits) {
  RunModalThenDone(dialog, [&] {
    for (const ToggleRow& row : ClassBitTable) {
      Click(Box(row.label));
    }
    EXPECT_EQ(Value(), "16711935");
  });
}

TEST_F(ClassesCalculator, ChoosingAnEntityShowsItsTextAndKeepsTheMask) {
  RunModalThenDone(dialog, [&] {
    Click(Box("Grunt"));
    ChooseWithKey(Qt::Key_Down);  // trigger_once
    ChooseWithKey(Qt::Key_Down);  // worldspawn
    EXPECT_EQ(Description(),
              "The classes field of the worldspawn entity specifies which classes WILL NOT be "
              "allowed to spawn.");
    EXPECT_EQ(Value(), "2");
    EXPECT_TRUE(Box("Grunt")->isChecked());
    ChooseWithKey(Qt::Key_Up);
    ChooseWithKey(Qt::Key_Up);  // back to trigger_multiple: now the table's wording
    EXPECT_EQ(Description().toStdString(), *DescriptionForName("trigger_multiple"));
    EXPECT_NE(Description(), kOpeningDescription);
  });
}

}  // namespace
