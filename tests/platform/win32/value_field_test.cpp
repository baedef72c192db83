#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

using Texts = std::vector<std::string>;

constexpr WPARAM kCtrlC = 0x03;
constexpr WPARAM kCtrlV = 0x16;

std::string Clipboard() {
  std::string text;
  platform::GetClipboardText(text);
  return text;
}

// A key pressed while a modifier is held, which the thread's keyboard state tells.
void PressWith(HWND field, int modifier, WPARAM key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  const BYTE before = keys[modifier];
  keys[modifier] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(field, WM_KEYDOWN, key, 1);
  keys[modifier] = before;
  SetKeyboardState(keys);
}

// The menu's items as shown ("" for a separator), greyed ones marked with a leading '-'.
Texts MenuItems(HWND menuWindow) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
  Texts items;
  for (int index = 0; index < GetMenuItemCount(menu); ++index) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION);
    const bool greyed = (state & MF_SEPARATOR) == 0 && (state & MF_GRAYED) != 0;
    items.push_back((greyed ? "-" : "") + std::string(text));
  }
  return items;
}

// Opens the field's context menu from the keyboard, looks at it, then picks the item whose
// underlined letter is `key` (or closes the menu for 0).
Texts UseContextMenu(HWND field, char key) {
  Texts items;
  RunWhen([] { return FindPopupMenu() != nullptr; },
          [&] {
            items = MenuItems(FindPopupMenu());
            if (key != 0) {
              PostMessageA(field, WM_CHAR, static_cast<WPARAM>(key), 0);
            } else {
              EndMenu();
            }
          });
  SendMessageA(field, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field), -1);
  return items;
}

class ValueField : public testing::Test {
 protected:
  HWND Field(CDialog& dialog, unsigned id) {
    return dialog.GetDlgItem(static_cast<int>(id))->m_hWnd;
  }

  CEntityHelperApp app;
};

TEST_F(ValueField, CtrlVShiftInsertAndPasteValueHandTheClipboardToTheCalculator) {
  CClassesCalculatorDlg dialog;
  RunModal(dialog, [&] {
    const HWND field = Field(dialog, IDC_CLASSES_VALUE);
    ASSERT_TRUE(SetClipboardText("130"));
    SendMessageA(field, WM_CHAR, kCtrlV, 0);
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "130");
    EXPECT_TRUE(IsChecked(dialog, IDC_FIRST_CLASS + 15));  // Mech

    ASSERT_TRUE(SetClipboardText("2"));
    EXPECT_EQ(UseContextMenu(field, 'v'),
              Texts({"&Copy\tCtrl+C", "Paste &Value\tCtrl+V", "", "Select &All"}));
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "2");
    EXPECT_FALSE(IsChecked(dialog, IDC_FIRST_CLASS + 15));

    ASSERT_TRUE(SetClipboardText("128"));
    PressWith(field, VK_SHIFT, VK_INSERT);
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "128");

    ASSERT_TRUE(ClearClipboard());
    EXPECT_EQ(UseContextMenu(field, 0)[1], "-Paste &Value\tCtrl+V");
    dialog.EndDialog(IDOK);
  });
}

// The fog's fields hand a paste to their helper, which reads a fog, not a number.
TEST_F(ValueField, FogFieldsOfferToPasteAFog) {
  CFogSettingsDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    const HWND field = Field(dialog, IDC_FOG_MASS);
    ASSERT_TRUE(SetClipboardText("mass 7"));
    SendMessageA(field, WM_CHAR, kCtrlV, 0);
    EXPECT_EQ(TextOf(dialog, IDC_FOG_MASS), "7");
    EXPECT_EQ(UseContextMenu(field, 0),
              Texts({"&Copy\tCtrl+C", "Paste &Fog\tCtrl+V", "", "Select &All"}));
    dialog.EndDialog(IDOK);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ValueField, CopyTakesTheWholeValueUnlessPartIsSelected) {
  CFogSettingsDlg dialog;
  RunModal(dialog, [&] {
    const HWND field = Field(dialog, IDC_FOG_SPEED);
    ASSERT_TRUE(ClearClipboard());
    SendMessageA(field, EM_SETSEL, 1, 1);
    SendMessageA(field, WM_CHAR, kCtrlC, 0);
    EXPECT_EQ(Clipboard(), "100");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);  // the caret stays where the user left it
    EXPECT_EQ(end, 1u);
    ASSERT_TRUE(ClearClipboard());
    PressWith(field, VK_CONTROL, VK_INSERT);
    EXPECT_EQ(Clipboard(), "100");

    SendMessageA(field, EM_SETSEL, 0, 2);
    SendMessageA(field, WM_CHAR, kCtrlC, 0);
    EXPECT_EQ(Clipboard(), "10");

    ASSERT_TRUE(ClearClipboard());
    SendMessageA(field, EM_SETSEL, 0, 0);
    UseContextMenu(Field(dialog, IDC_FOG_MASS), 'c');
    EXPECT_EQ(Clipboard(), "50");
    dialog.EndDialog(IDOK);
  });
}

}  // namespace
