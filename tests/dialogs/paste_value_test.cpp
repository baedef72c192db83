#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "logic/classes_field.h"
#include "logic/spawnteams_field.h"
#include "platform/additions.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

using namespace std::string_view_literals;
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

// A value ticks the boxes of its bits and keeps those no box stands for, which clicks then keep.
TEST_F(PasteValue, TicksTheBoxesOfItsBitsAndKeepsTheOthers) {
  RunModal(dialog, [&] {
    if (!Paste("0x1000182")) {  // bits 1, 7, 8 and 24
      return;
    }
    EXPECT_EQ(TickedClasses(), Labels({"Grunt", "Mech"}));
    Click(dialog, IDC_FIRST_CLASS + 8);  // Engineer
    EXPECT_EQ(Value(), "16777603");
    Click(dialog, IDOK);
  });
}

// What a paste says: the refusal of a value, quoted as shown, or of two values for the key.
std::string Refused(std::string_view shown) {
  return "Not a valid classes value: " + std::string(shown) +
         "\nPaste a whole number such as 130, -1 or 0x82.";
}
std::string TwoValues(std::string_view shown) {
  return "The pasted text gives classes two values: " + std::string(shown) +
         ".\nPaste one entity at a time.";
}
const std::string kNoText = "The clipboard holds no text to paste.";

// A clipboard text (UTF-8 here, Unicode on the clipboard) and what its paste gives: the value
// the field then shows, or what a message box says (and then nothing changes).
struct PasteCase {
  std::string_view clipboard;
  std::string_view value;
  std::string said;
};

const PasteCase kPastes[] = {
    {"130", "130", ""},
    {" 0x10000\n", "65536", ""},
    {"12\0\0"sv, "12", ""},  // NULs that end a text are no part of it
    {"words", "", Refused("words")},
    {"12 13", "", Refused("12 13")},
    {"4294967296", "", Refused("4294967296")},
    {"12\0 34"sv, "", Refused("12? 34")},  // a NUL inside one is
    {"1\t2\r\n", "", Refused("1?2??")},
    {"\uFF11\uFF13\uFF10", "", Refused("???")},  // full-width digits are no digits
    {"\u22121", "", Refused("?1")},              // nor is the minus sign U+2212 a '-'
    {std::string_view("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"), "",
     Refused("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx")},
    {"", "", kNoText},
    {" \n", "", kNoText},
    // An entity's text as map editors give it: only the key is read.
    {"{\n\"classname\" \"trigger_fog\"\n\"classes\" \"5\"\n\"spawnteams\" \"3\"\n}", "5", ""},
    {"\"classes\" \"five\"\n\"origin\" \"0 0 0\"", "", Refused("five")},
    {"classes 1\nclasses 2", "", TwoValues("1 and 2")},
};

TEST_F(PasteValue, EachClipboardTextGivesItsValueOrSaysWhyNot) {
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    for (const PasteCase& paste : kPastes) {
      SCOPED_TRACE(std::string(paste.clipboard));
      const std::string value = Value();
      const Labels ticked = TickedClasses();
      const std::size_t shown = boxes.Texts().size();
      if (!Paste(std::string(paste.clipboard))) {
        return;
      }
      EXPECT_EQ(boxes.Texts().size() == shown ? "" : boxes.Texts().back(), paste.said);
      EXPECT_EQ(Value(), paste.said.empty() ? std::string(paste.value) : value);
      if (!paste.said.empty()) {
        EXPECT_EQ(TickedClasses(), ticked);  // a refusal changes nothing
      }
    }
    if (!ClearClipboard()) {
      dialog.EndDialog(IDCANCEL);
      GTEST_SKIP() << "this session cannot clear the clipboard";
    }
    PasteInto(dialog, IDC_CLASSES_VALUE);
    EXPECT_EQ(boxes.Texts().back(), kNoText);
    Click(dialog, IDOK);
  });
}

// Copy takes the whole value; from a field that shows nothing it leaves the clipboard alone.
TEST_F(PasteValue, CopyTakesTheWholeValueAndNothingFromAnEmptyField) {
  RunModal(dialog, [&] {
    const auto copied = [&] {
      dialog.GetDlgItem(IDC_CLASSES_VALUE)->SendMessage(WM_COPY);
      std::string text;
      platform::GetClipboardText(text);
      return text;
    };
    if (!SetClipboardText("kept")) {
      dialog.EndDialog(IDCANCEL);
      GTEST_SKIP() << "this session cannot put text on the clipboard";
    }
    EXPECT_EQ(copied(), "kept");
    Click(dialog, IDC_FIRST_CLASS + 15);  // Mech
    EXPECT_EQ(copied(), "128");
    Click(dialog, IDOK);
  });
}

// A fog copied from the map moves the sliders of the fields it gives, then everything updates
// once; a value that is no fog value changes nothing at all.
TEST(PasteFog, MovesTheSlidersOfTheFieldsItGivesThenUpdatesOnce) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  MessageBoxRecorder boxes;
  const auto fields = [&] {
    return std::vector<std::string>{TextOf(dialog, IDC_FOG_MASS), TextOf(dialog, IDC_FOG_SPEED),
                                    TextOf(dialog, IDC_FOG_ACCEL), TextOf(dialog, IDC_FOG_DECEL)};
  };
  RunModal(dialog, [&] {
    const auto shown = reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_FOG_PREVIEW)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    ASSERT_TRUE(DeleteObject(shown));  // so that each update says so, once
    if (!PasteOrSkip(dialog, IDC_FOG_MASS,
                     "{\n\"classname\" \"worldspawn\"\n\"MASS\" \"40\"\nspeed: 20\n}")) {
      return;
    }
    EXPECT_EQ(fields(), std::vector<std::string>({"40", "20", "100", "100"}));
    EXPECT_EQ(SliderPosition(dialog, IDC_FOG_ALPHA), 40);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({"Set bits failed"}));
    const std::pair<std::string, std::string> refused[] = {
        {"mass 40\ndecel 101",
         "Not a valid decel value: 101\nA fog field takes a whole number from 0 to 100."},
        {"7", "The pasted text gives none of the fog's fields: mass, speed, accel or decel."},
        {"accel 3\naccel 4",
         "The pasted text gives accel two values: 3 and 4.\nPaste one entity at a time."},
    };
    for (const auto& [text, said] : refused) {
      PasteOrSkip(dialog, IDC_FOG_DECEL, text);
      EXPECT_EQ(boxes.Texts().back(), said);
    }
    // Anywhere in the helper, as Ctrl+V there asks.
    SetClipboardText("\"accel\" \"0\"");
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_EDIT_PASTE), 1));
    EXPECT_EQ(fields(), std::vector<std::string>({"40", "20", "0", "100"}));
    EXPECT_EQ(boxes.Texts().size(), 5u);
    Click(dialog, IDOK);
  });
}

}  // namespace
