#include "dialogs/classes_calculator_dlg.h"

#include <gtest/gtest.h>

#include "app/entity_helper_app.h"
#include "logic/classes_field.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

constexpr const char* kOpeningDescription =
    "For the trigger_multiple entity, the classes field specifies which classes WILL trigger the "
    "entity.  If no value is specified then all classes will trigger it.";

class ClassesCalculator : public testing::Test {
 protected:
  void Tick(const std::string& label) { Click(dialog, BoxOf(label)); }
  int BoxOf(const std::string& label) {
    for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
      if (label == ClassBitTable[row].label) {
        return static_cast<int>(IDC_FIRST_CLASS + row);
      }
    }
    throw std::invalid_argument("no class " + label);
  }
  std::string Value() { return TextOf(dialog, IDC_CLASSES_VALUE); }
  std::string Description() { return TextOf(dialog, IDC_ENTITY_DESCRIPTION); }

  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
};

TEST_F(ClassesCalculator, OpensOnTriggerMultipleWithTheTemplateTextAndNoValue) {
  RunModal(dialog, [&] {
    EXPECT_EQ(ListItems(dialog, IDC_ENTITY_NAME),
              std::vector<std::string>({"target_aliens_win", "target_humans_win", "trigger_fog",
                                        "trigger_multiple", "trigger_once", "worldspawn"}));
    EXPECT_EQ(TextOf(dialog, IDC_ENTITY_NAME), "trigger_multiple");
    EXPECT_EQ(Description(), kOpeningDescription);
    EXPECT_EQ(Value(), "");
    for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
      const int box = static_cast<int>(IDC_FIRST_CLASS + row);
      EXPECT_EQ(TextOf(dialog, box), ClassBitTable[row].label);
      EXPECT_FALSE(IsChecked(dialog, box));
    }
    Click(dialog, IDOK);
  });
}

TEST_F(ClassesCalculator, EachClickShowsTheMaskOfTheTickedClasses) {
  RunModal(dialog, [&] {
    Tick("Grunt");
    EXPECT_EQ(Value(), "2");
    Tick("Mech");
    EXPECT_EQ(Value(), "130");
    Tick("Grunt");
    Tick("Mech");
    EXPECT_EQ(Value(), "0");
    // The two places where rows and bits run in different orders.
    for (const auto& [label, value] :
         {std::pair{"Wraith", "1048576"}, {"Kamikaze", "524288"}, {"Biotech", "32"}}) {
      Tick(label);
      EXPECT_EQ(Value(), value) << label;
      Tick(label);
    }
    for (const ToggleRow& row : ClassBitTable) {
      Tick(row.label);
    }
    EXPECT_EQ(Value(), "16711935");
    Click(dialog, IDOK);
  });
}

TEST_F(ClassesCalculator, ChoosingAnEntityShowsItsTextAndKeepsTheMask) {
  RunModal(dialog, [&] {
    Tick("Grunt");
    Choose(dialog, IDC_ENTITY_NAME, "worldspawn");
    EXPECT_EQ(Description(),
              "The classes field of the worldspawn entity specifies which classes WILL NOT be "
              "allowed to spawn.");
    EXPECT_EQ(Value(), "2");
    EXPECT_TRUE(IsChecked(dialog, BoxOf("Grunt")));
    Choose(dialog, IDC_ENTITY_NAME, "trigger_multiple");  // now the table's wording
    EXPECT_EQ(Description(), *DescriptionForName("trigger_multiple"));
    EXPECT_NE(Description(), kOpeningDescription);
    Click(dialog, IDOK);
  });
}

}  // namespace
