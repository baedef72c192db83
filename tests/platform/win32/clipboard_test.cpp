#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

// Long past any wait of the paste's: an owner that outlived it would only end the test slowly.
constexpr auto kOtherProgramAtMost = std::chrono::seconds(20);
constexpr int kFreeTries = 200;
constexpr DWORD kFreeRetryMilliseconds = 10;

HWND MessageWindow() {
  return CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

enum class Hold {
  kOpen,          // holds the clipboard open
  kNeverRenders,  // owns it, promising text that it renders only when asked, and never answers
};

// Another program's hold on the clipboard, played by a thread with a window of its own that
// takes no messages until it is let go.
class OtherProgram {
 public:
  explicit OtherProgram(Hold hold) {
    m_thread = std::thread([this, hold] {
      const HWND window = MessageWindow();
      OpenClipboard(window);
      if (hold == Hold::kNeverRenders) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, nullptr);
        CloseClipboard();
      }
      SetEvent(m_holding);
      m_letGo.get_future().wait_for(kOtherProgramAtMost);
      if (hold == Hold::kOpen) {
        CloseClipboard();
      }
      DestroyWindow(window);
    });
    // Meanwhile the clipboard's owner, maybe a window of this thread, is told that it has lost
    // the clipboard, and the other program waits until it has been.
    while (MsgWaitForMultipleObjects(1, &m_holding, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
      MSG sent{};
      PeekMessageA(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  // Lets go, and waits until the clipboard is free again for the tests that follow.
  ~OtherProgram() {
    m_letGo.set_value();
    m_thread.join();
    const HWND window = MessageWindow();
    for (int attempt = 0; attempt < kFreeTries && !OpenClipboard(window); ++attempt) {
      Sleep(kFreeRetryMilliseconds);
    }
    CloseClipboard();
    DestroyWindow(window);
    CloseHandle(m_holding);
  }

 private:
  HANDLE m_holding = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::promise<void> m_letGo;
  std::thread m_thread;
};

class ClipboardHeldElsewhere : public testing::TestWithParam<Hold> {};

TEST_P(ClipboardHeldElsewhere, APasteSaysItIsInUseAndChangesNothing) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    {
      const OtherProgram other(GetParam());
      PasteInto(dialog, IDC_CLASSES_VALUE);
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({"The clipboard is in use by another "
                                                       "program. Try the paste again in a "
                                                       "moment."}));
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "");
    dialog.EndDialog(IDOK);
  });
}

// A window of the pasting thread itself that renders its text when asked: the paste waits
// for another thread, which must not wait for this one in vain.
LRESULT CALLBACK RenderOnRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RENDERFORMAT && wParam == CF_UNICODETEXT) {
    static constexpr wchar_t kText[] = L"130";
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof kText);
    std::memcpy(GlobalLock(block), kText, sizeof kText);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(ClipboardOwnedHere, TextRenderedOnRequestIsPasted) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  const HWND owner = MessageWindow();
  SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RenderOnRequest));
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, nullptr);
  CloseClipboard();
  RunModal(dialog, [&] {
    PasteInto(dialog, IDC_CLASSES_VALUE);
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "130");
    dialog.EndDialog(IDOK);
  });
  DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(ByAnotherProgram, ClipboardHeldElsewhere,
                         testing::Values(Hold::kOpen, Hold::kNeverRenders));

}  // namespace
