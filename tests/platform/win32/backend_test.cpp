// Windows' own types first: <psapi.h> takes them for granted.
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "platform/detail/resources.h"
#include "platform/win32/dialog_template.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/picture_files.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

using platform::PictureRead;

constexpr UINT kKeyF1 = 0x004D;  // what the system sends the window with the focus for F1
constexpr const char* kInUse =
    "The clipboard is in use by another program. Try the paste again in a moment.";

std::string ClassOf(HWND window) {
  char name[64] = {};
  return {name, static_cast<std::size_t>(GetClassNameA(window, name, sizeof name))};
}

// Static texts wrap within their width; other texts keep to one line beside a check mark or margin.
bool Clipped(HDC context, HWND control, const std::string& text, bool isStatic) {
  RECT room{};
  GetClientRect(control, &room);
  RECT needed = room;
  DrawTextA(context, text.c_str(), -1, &needed,
            DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
  const bool checkBox = (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
  const LONG beside = isStatic ? 0 : 4 + (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) : 4);
  return needed.right - needed.left + beside > room.right ||
         needed.bottom - needed.top > room.bottom;
}

class ProgramDialog : public testing::TestWithParam<UINT> {};

// Caption, size and font, then each control in the template's order, the tab order. The client
// size is recorded for tests/windows/dpi_check.sh.
TEST_P(ProgramDialog, WindowsBuildsItExactlyAsItsTemplateSays) {
  CEntityHelperApp app;
  const DialogTemplate& wanted =
      *platform::detail::FindDialogTemplate(ProgramResources(), GetParam());
  CDialog dialog(wanted.id);
  RunModal(dialog, [&] {
    const HWND window = dialog.m_hWnd;
    EXPECT_EQ(WindowText(window), wanted.caption);
    RECT client{};
    GetClientRect(window, &client);
    RECT size{0, 0, wanted.cx, wanted.cy};
    MapDialogRect(window, &size);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(size.right, size.bottom));
    RecordProperty("client_size",
                   std::to_string(client.right) + "x" + std::to_string(client.bottom));
    const HDC context = GetDC(window);
    SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    // Above 144 DPI, where the template's bitmap font has no larger size, the system's stands in.
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(context, OBJ_FONT), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName,
                 GetDeviceCaps(context, LOGPIXELSY) > 144 ? "MS Shell Dlg" : wanted.fontName);
    HWND control = GetWindow(window, GW_CHILD);
    for (const DialogItemTemplate& item : wanted.items) {
      ASSERT_NE(control, nullptr) << "missing: " << item.text;
      SCOPED_TRACE(std::string(item.windowClass) + " " + item.text);
      EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), item.windowClass), 0) << ClassOf(control);
      EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), item.id);
      // A drop-down list hands its scroll bar to the list it drops, and its height counts that
      // list; an edit box draws its border as a sunken edge; a picture takes its bitmap's size.
      const bool list = lstrcmpA(item.windowClass, WC_COMBOBOX) == 0;
      const bool sunken = (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
      const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) |
                         (list ? WS_VSCROLL : 0) | (sunken ? WS_BORDER : 0);
      EXPECT_EQ(style & item.style, item.style);
      RECT shown{};
      GetWindowRect(control, &shown);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown), 2);
      RECT place{item.x, item.y, item.cx, item.cy};
      MapDialogRect(window, &place);
      const bool picture = item.imageId != 0;
      EXPECT_EQ(std::vector<LONG>({shown.left, shown.top, shown.right - shown.left,
                                   list ? 0 : shown.bottom - shown.top}),
                std::vector<LONG>({place.left, place.top, picture ? 128 : place.right,
                                   list      ? 0
                                   : picture ? 96
                                             : place.bottom}));
      if (!list && !picture && lstrcmpA(item.windowClass, WC_EDIT) != 0) {
        EXPECT_EQ(WindowText(control), item.text);
        EXPECT_FALSE(
            Clipped(context, control, item.text, lstrcmpA(item.windowClass, WC_STATIC) == 0));
      }
      control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control the template does not have: " << ClassOf(control);
    ReleaseDC(window, context);
    dialog.EndDialog(IDOK);
  });
}

INSTANTIATE_TEST_SUITE_P(EachOne, ProgramDialog,
                         testing::Values(IDD_LAUNCHER, IDD_CLASSES_CALCULATOR,
                                         IDD_SPAWNTEAMS_CALCULATOR, IDD_FOG_SETTINGS));

// A key with a modifier held, to the control with the focus, through the dialog's loop and filter.
void Press(HWND control, BYTE modifier, WPARAM key) {
  SetFocus(control);
  BYTE keys[256] = {};
  keys[modifier] = 0x80;
  SetKeyboardState(keys);
  DeliverInput(control, WM_KEYDOWN, key, 1);
  DeliverInput(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  keys[modifier] = 0;
  SetKeyboardState(keys);
}

// The Fog helper's keys work from any of its controls, a slider here. The Classes Calculator, run
// over it, keeps its own: its read-only value field pastes on Shift+Insert and Ctrl+V, and F1
// shows its help.
TEST(Keys, EachKeyReachesTheDialogItIsPressedIn) {
  CEntityHelperApp app;
  CFogSettingsDlg fog;
  MessageBoxRecorder boxes;
  RunModal(fog, [&] {
    ASSERT_TRUE(SetClipboardText("mass 7"));
    Press(fog.GetDlgItem(IDC_FOG_RED)->m_hWnd, VK_CONTROL, 'V');
    EXPECT_EQ(TextOf(fog, IDC_FOG_MASS), "7");
    CClassesCalculatorDlg calculator(&fog);
    RunModal(calculator, [&] {
      const HWND field = calculator.GetDlgItem(IDC_CLASSES_VALUE)->m_hWnd;
      ASSERT_TRUE(SetClipboardText("0x40000080"));
      Press(field, VK_SHIFT, VK_INSERT);
      EXPECT_EQ(TextOf(calculator, IDC_CLASSES_VALUE), "1073741952");
      ASSERT_TRUE(SetClipboardText("0x1000082"));
      Press(field, VK_CONTROL, 'V');
      EXPECT_EQ(TextOf(calculator, IDC_CLASSES_VALUE), "16777346");
      SendMessageA(field, kKeyF1, 0, 0);
      calculator.EndDialog(IDOK);
    });
    fog.EndDialog(IDOK);
  });
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>({platform::detail::FindHelpText(
                               ProgramResources(), IDD_CLASSES_CALCULATOR)}));
}

// Another program (a thread whose window answers nothing) holds the clipboard open, or owns it
// promising text it never renders: the paste gives up after its retries, or its bound.
TEST(Clipboard, HeldByAnotherProgramAPasteSaysItIsInUseAndChangesNothing) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    const HANDLE holding = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const HANDLE letGo = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    for (const bool holdsOpen : {true, false}) {
      const std::jthread other([&] {
        const HWND window = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            nullptr, nullptr);
        OpenClipboard(window);
        if (!holdsOpen) {
          EmptyClipboard();
          SetClipboardData(CF_UNICODETEXT, nullptr);
          CloseClipboard();
        }
        SetEvent(holding);
        WaitForSingleObject(letGo, 20000);  // long past any wait of the paste's
        CloseClipboard();
        DestroyWindow(window);
      });
      // Meanwhile the clipboard's owner, maybe a window of this thread, hears that it lost it.
      while (MsgWaitForMultipleObjects(1, &holding, FALSE, INFINITE, QS_SENDMESSAGE) ==
             WAIT_OBJECT_0 + 1) {
        MSG sent{};
        PeekMessageA(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      }
      PasteInto(dialog, IDC_CLASSES_VALUE);
      SetEvent(letGo);
    }
    CloseHandle(holding);
    CloseHandle(letGo);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, kInUse));
    EXPECT_EQ(TextOf(dialog, IDC_CLASSES_VALUE), "");
    ASSERT_TRUE(ClearClipboard());  // free again for what follows
    dialog.EndDialog(IDOK);
  });
}

// Whatever the system's code page, the Fog helper reaches the first of the files dropped by its
// whole name, and reads its bytes.
TEST(Files, TheFirstDroppedComesUnderItsWholeName) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  const PictureFolder folder;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    DropFiles(dialog,
              {folder.Write(u8"caf\u00e9 \u65e5\u672c.png", {'x'}), folder.Write("a.png", {})});
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_TRUE(
      boxes.Texts()[0].ends_with(".png\" as the picture: it is not a PNG, JPEG or BMP picture."))
      << boxes.Texts()[0];
}

PictureRead Read(const std::filesystem::path& path) {
  platform::Picture picture;
  return platform::ReadPictureFile(path.c_str(), 128, 96, picture);
}

// The decoder reads a file as the program may, not while another program holds it unshared. A
// reading makes a factory, a stream, a decoder, a frame and a converter; under Wine a decoder
// holds the whole decoded picture, so one kept per reading would keep megabytes.
TEST(PictureDecoder, ReadsOnlyWhatItMayAndKeepsNothingOfAReading) {
  const PictureFolder folder;
  const auto large = folder.Write("large.jpg", TestPictureFile(TestPicture::kLargeJpeg));
  const HANDLE held =
      CreateFileW(large.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Read(large), PictureRead::kUnreadable);
  CloseHandle(held);
  const auto memoryAfter = [&](int readings) {
    for (int reading = 0; reading < readings; ++reading) {
      EXPECT_EQ(Read(large), PictureRead::kRead);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<long long>(memory.PagefileUsage);
  };
  const long long before = memoryAfter(5);
  EXPECT_LT(memoryAfter(50) - before, 8 << 20);
}

// GDI objects, this thread's windows and the bytes in use on the heaps. Wine counts no GDI objects,
// but takes a handle's table index alone for the handle, as 16-bit Windows did: count by index.
std::vector<long long> Holdings() {
  std::vector<long long> held(3, 0);
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index) {
    held[0] += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  }
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, nullptr, nullptr)) != nullptr) {
    held[1] += GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() ? 1 : 0;
  }
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr));
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  for (const HANDLE heap : heaps) {
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heap);
    while (HeapWalk(heap, &entry)) {
      held[2] += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 ? entry.cbData : 0;
    }
    HeapUnlock(heap);
  }
  return held;
}

// What openings add once the first 50 have filled caches and painted each kind of control.
std::vector<long long> GrowthOver450(const std::function<void()>& open) {
  std::vector<long long> growth;
  for (int opening = 0; opening < 500; ++opening) {
    if (opening == 50) {
      growth = Holdings();
    }
    open();
  }
  const std::vector<long long> after = Holdings();
  std::transform(after.begin(), after.end(), growth.begin(), growth.begin(), std::minus<>());
  return growth;
}

// The Fog helper's template run by Windows alone, without its picture: what the system's own
// controls keep. Wine's static controls keep 24 bytes each once given a font; Windows' do not.
void OpenPlainly() {
  const std::vector<WORD> bytes = platform::win32::BuildDialogTemplate(
      *platform::detail::FindDialogTemplate(ProgramResources(), IDD_FOG_SETTINGS));
  DialogBoxIndirectParamW(
      ResourcesWithoutBitmaps(), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
      [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
          PostMessageA(dialog, WM_COMMAND, IDOK, 0);  // once it shows
        } else if (message == WM_COMMAND) {
          EndDialog(dialog, IDOK);
        }
        return FALSE;
      },
      0);
}

TEST(FogSoak, FiveHundredOpeningsKeepNothingOfTheirOwn) {
  CEntityHelperApp app;
  const long long controls = GrowthOver450(OpenPlainly)[2];
  const std::vector<long long> growth = GrowthOver450([] {
    CFogSettingsDlg dialog;
    RunModal(dialog, [&] {
      MoveSliderByHand(dialog, IDC_FOG_ALPHA, SliderGesture::kKey);
      dialog.EndDialog(IDOK);
    });
  });
  EXPECT_EQ(std::vector<long long>(growth.begin(), growth.begin() + 2),
            std::vector<long long>(2, 0))
      << "GDI objects, windows";
  EXPECT_LT(growth[2] - controls, 64 * 1024)
      << "the system's controls kept " << controls << " bytes";
}

}  // namespace
