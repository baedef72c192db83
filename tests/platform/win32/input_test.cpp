#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "platform/detail/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr UINT kKeyF1 = 0x004D;  // what the system sends the window with the focus for F1
// Long past any wait of the paste's: an owner that outlived it would only end the test slowly.
constexpr DWORD kOtherProgramAtMostMilliseconds = 20000;
constexpr int kFreeTries = 200;
constexpr const char* kBusy =
    "The clipboard is in use by another program. Try the paste again in a moment.";
constexpr DWORD kFreeRetryMilliseconds = 10;

// A key pressed with a modifier held, as the keyboard gives it to the control with the focus,
// taken by the dialog's own loop and so by its key filter.
void Press(HWND control, BYTE modifier, WPARAM key) {
  SetFocus(control);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[modifier] = 0x80;
  SetKeyboardState(keys);
  DeliverInput(control, WM_KEYDOWN, key, 1);
  DeliverInput(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  keys[modifier] = 0;
  SetKeyboardState(keys);
}

// How many tips the dialog's tooltip window has, and the control's.
std::pair<LRESULT, std::string> TipsAndTipOf(HWND dialog, HWND control) {
  HWND tips = nullptr;
  do {
    tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr);
  } while (tips != nullptr && GetWindow(tips, GW_OWNER) != dialog);
  char text[256] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return {SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), text};
}

// The Fog helper's keys work from each of its controls, through its key filter. The Classes
// Calculator, run over it, keeps its own: its value field pastes on Ctrl+V, Shift+Insert and its
// menu's paste item and copies the whole value on Ctrl+Insert, none of which the system's
// read-only box does, and its one tooltip follows the value; F1 shows its help, and F1 in that
// help box, which is not the dialog's, opens no other.
TEST(Keys, EachKeyReachesTheDialogItIsPressedIn) {
  CEntityHelperApp app;
  CFogSettingsDlg fog;
  int shown = 0;
  MessageBoxRecorder boxes([&shown] {
    if (++shown == 1) {  // in the first box only, so that a fault shows as a count
      const HWND button = FindWindowExA(FindMessageBox(), nullptr, "Button", nullptr);
      for (int press = 0; press < 3; ++press) {
        SendMessageA(button, kKeyF1, 0, 0);
      }
    }
  });
  RunModal(fog, [&] {
    int mass = 6;
    for (const int id : {static_cast<int>(IDC_FOG_RED), IDOK}) {
      const std::string value = std::to_string(++mass);
      ASSERT_TRUE(SetClipboardText("mass " + value));
      Press(fog.GetDlgItem(id)->m_hWnd, VK_CONTROL, 'V');
      EXPECT_EQ(TextOf(fog, IDC_FOG_MASS), value);
    }

    CClassesCalculatorDlg calculator(&fog);
    RunModal(calculator, [&] {
      const HWND field = calculator.GetDlgItem(IDC_CLASSES_VALUE)->m_hWnd;
      const auto tip = [&] { return TipsAndTipOf(calculator.m_hWnd, field); };
      ASSERT_TRUE(SetClipboardText("0x1000082"));
      Press(field, VK_CONTROL, 'V');
      EXPECT_EQ(TextOf(calculator, IDC_CLASSES_VALUE), "16777346");
      EXPECT_EQ(tip(), std::pair(LRESULT{1}, std::string("Bit 24 is set but names no class.")));
      ASSERT_TRUE(SetClipboardText("0x40000080"));
      Press(field, VK_SHIFT, VK_INSERT);
      EXPECT_EQ(tip(), std::pair(LRESULT{1}, std::string("Bit 30 is set but names no class.")));
      ASSERT_TRUE(ClearClipboard());
      Press(field, VK_CONTROL, VK_INSERT);
      std::string copied;
      platform::GetClipboardText(copied);
      EXPECT_EQ(copied, "1073741952");

      ASSERT_TRUE(SetClipboardText("2"));
      RunWhen([] { return FindPopupMenu() != nullptr; },
              [field] { PostMessageA(field, WM_CHAR, 'v', 0); });
      SendMessageA(field, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field), -1);  // Shift+F10
      EXPECT_EQ(TextOf(calculator, IDC_CLASSES_VALUE), "2");
      EXPECT_EQ(tip(), std::pair(LRESULT{0}, std::string()));
      SendMessageA(field, kKeyF1, 0, 0);
      calculator.EndDialog(IDOK);
    });
    fog.EndDialog(IDOK);
  });
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>({platform::detail::FindHelpText(
                               ProgramResources(), IDD_CLASSES_CALCULATOR)}));
}

HWND MessageWindow() {
  return CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// Another program, played by a thread with a window of its own that answers nothing until it
// lets go, holds the clipboard open (the paste retries for a moment), or owns it promising text
// that it never renders (the paste waits only as long as its bound).
TEST(Clipboard, HeldByAnotherProgramAPasteSaysItIsInUseAndChangesNothing) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    for (const bool holdsOpen : {true, false}) {
      const HANDLE holding = CreateEventA(nullptr, TRUE, FALSE, nullptr);
      const HANDLE letGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
      std::thread other([&] {
        const HWND window = MessageWindow();
        OpenClipboard(window);
        if (!holdsOpen) {
          EmptyClipboard();
          SetClipboardData(CF_UNICODETEXT, nullptr);
          CloseClipboard();
        }
        SetEvent(holding);
        WaitForSingleObject(letGo, kOtherProgramAtMostMilliseconds);
        CloseClipboard();
        DestroyWindow(window);
      });
      // Meanwhile the clipboard's owner, maybe a window of this thread, is told that it has lost
      // the clipboard, and the other program waits until it has been.
      while (MsgWaitForMultipleObjects(1, &holding, FALSE, INFINITE, QS_SENDMESSAGE) ==
             WAIT_OBJECT_0 + 1) {
        MSG sent{};
        PeekMessageA(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      }
      PasteInto(dialog, IDC_CLASSES_VALUE);
      SetEvent(letGo);
      other.join();
      // Free again for what follows.
      const HWND window = MessageWindow();
      for (int attempt = 0; attempt < kFreeTries && !OpenClipboard(window); ++attempt) {
        Sleep(kFreeRetryMilliseconds);
      }
      CloseClipboard();
      DestroyWindow(window);
      CloseHandle(holding);
      CloseHandle(letGo);
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, kBusy));
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "");
    dialog.EndDialog(IDOK);
  });
}

}  // namespace
