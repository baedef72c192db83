#include <gtest/gtest.h>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "logic/classes_field.h"
#include "logic/spawnteams_field.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

using Labels = std::vector<std::string>;

// The boxes of a calculator that are ticked, by label.
Labels Ticked(const CWnd& dialog, UINT firstBox, std::span<const ToggleRow> rows) {
  Labels ticked;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (IsChecked(dialog, static_cast<int>(firstBox + row))) {
      ticked.push_back(rows[row].label);
    }
  }
  return ticked;
}

// Puts the text on the clipboard and pastes it into the field. Where this session cannot fill
// the clipboard (a Wayland client without the keyboard focus), the test ends, skipped.
bool PasteOrSkip(CDialog& dialog, int field, const std::string& text) {
  if (!SetClipboardText(text)) {
    dialog.EndDialog(IDCANCEL);
    [] { GTEST_SKIP() << "this session cannot put text on the clipboard"; }();
    return false;
  }
  PasteInto(dialog, field);
  return true;
}

class PasteValue : public testing::Test {
 protected:
  Labels TickedClasses() { return Ticked(dialog, IDC_FIRST_CLASS, ClassBitTable); }
  std::string Value() { return TextOf(dialog, IDC_CLASSES_VALUE); }
  bool Paste(const std::string& text) { return PasteOrSkip(dialog, IDC_CLASSES_VALUE, text); }

  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
};

TEST_F(PasteValue, ValidValuesTickTheirBoxesAndKeepBitsNoClassNames) {
  RunModal(dialog, [&] {
    if (!Paste("130")) {
      return;
    }
    EXPECT_EQ(TickedClasses(), Labels({"Grunt", "Mech"}));
    EXPECT_EQ(Value(), "130");
    Paste(" 0x10000\n");
    EXPECT_EQ(TickedClasses(), Labels({"Breeder"}));
    EXPECT_EQ(Value(), "65536");
    Paste("0x1000182");  // bits 1, 7, 8 and 24
    EXPECT_EQ(TickedClasses(), Labels({"Grunt", "Mech"}));
    EXPECT_EQ(Value(), "16777602");
    Click(dialog, IDC_FIRST_CLASS + 8);  // Engineer
    EXPECT_EQ(Value(), "16777603");
    Click(dialog, IDC_FIRST_CLASS + 9);  // Grunt
    EXPECT_EQ(Value(), "16777601");
    Click(dialog, IDOK);
  });
}

TEST_F(PasteValue, AnythingElseChangesNothingAndSaysSo) {
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    Click(dialog, IDC_FIRST_CLASS + 9);  // Grunt
    const std::string longText(50, 'x');
    for (const std::string& text :
         {std::string("words"), std::string("12 13"), std::string("4294967296"), longText}) {
      if (!Paste(text)) {
        return;
      }
      EXPECT_EQ(TickedClasses(), Labels({"Grunt"}));
      EXPECT_EQ(Value(), "2");
    }
    const std::string accepted = "\nPaste a whole number such as 130, -1 or 0x82.";
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>(
                  {"Not a valid classes value: words" + accepted,
                   "Not a valid classes value: 12 13" + accepted,
                   "Not a valid classes value: 4294967296" + accepted,
                   "Not a valid classes value: " + longText.substr(0, 40) + accepted}));
    Click(dialog, IDOK);
  });
}

TEST_F(PasteValue, AnEmptyClipboardIsSaidToHoldNoText) {
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    Click(dialog, IDC_FIRST_CLASS + 9);  // Grunt
    for (const std::string& blank : {std::string(), std::string(" \n")}) {
      if (!Paste(blank)) {
        return;
      }
    }
    if (!ClearClipboard()) {
      dialog.EndDialog(IDCANCEL);
      GTEST_SKIP() << "this session cannot clear the clipboard";
    }
    PasteInto(dialog, IDC_CLASSES_VALUE);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(3, "The clipboard holds no text to paste."));
    EXPECT_EQ(Value(), "2");
    Click(dialog, IDOK);
  });
}

TEST(PasteValueSpawnteams, KeepsBitEightBesideItsGroups) {
  CEntityHelperApp app;
  CSpawnteamsCalculatorDlg dialog;
  RunModal(dialog, [&] {
    if (!PasteOrSkip(dialog, IDC_SPAWNTEAMS_VALUE, "300")) {
      return;
    }
    EXPECT_EQ(Ticked(dialog, IDC_FIRST_GROUP, SpawnteamGroupTable),
              Labels({"Group C", "Group D", "Group F"}));
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "300");
    Click(dialog, IDC_FIRST_GROUP);
    EXPECT_EQ(TextOf(dialog, IDC_SPAWNTEAMS_VALUE), "301");
    Click(dialog, IDOK);
  });
}

TEST(PasteValueFog, FogFieldsTakeNoPaste) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    if (!PasteOrSkip(dialog, IDC_FOG_MASS, "7")) {
      return;
    }
    EXPECT_EQ(TextOf(dialog, IDC_FOG_MASS), "50");
    EXPECT_TRUE(boxes.Texts().empty());
    Click(dialog, IDOK);
  });
}

}  // namespace
