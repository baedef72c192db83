// Windows' own types first: <dlgs.h> and <shlobj.h> take them for granted.
#include "platform/win_types.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <set>

#include "platform/detail/backend_contract.h"
#include "platform/detail/running_dialogs.h"
#include "platform/detail/window_map.h"
#include "tests/support/backend_steps.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

class ModalTimeLimit::Impl {
 public:
  ULONGLONG deadline;
};

class MessageBoxRecorder::Impl {};

namespace {

std::vector<std::pair<std::function<bool()>, std::function<void()>>> g_waits;
std::vector<ModalTimeLimit::Impl*> g_limits;
MessageBoxRecorder* g_recorder = nullptr;
std::set<HWND> g_answered;  // a box stays up until its loop ends

// A window of the class that this thread shows now, made by the system, not the layer; open-file
// dialogs are those with a file name box (a combo box, or an edit box in older ones).
HWND FindShown(const char* windowClass, bool withFileName = false) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, windowClass, nullptr)) != nullptr) {
    const bool fileName = GetDlgItem(window, cmb13) || GetDlgItem(window, edt1);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
        IsWindowVisible(window) && platform::detail::WrapperOf(window) == nullptr &&
        fileName == withFileName) {
      return window;
    }
  }
  return nullptr;
}

// A message box or a popup menu this thread shows now, or null.
HWND FindMessageBox() {
  return FindShown("#32770");
}

HWND FindPopupMenu() {
  return FindShown("#32768");
}

// Ends the modal loop in front: a menu, an open-file dialog, a message box or a dialog.
void EndTopModal() {
  if (FindPopupMenu() != nullptr) {
    EndMenu();
  } else if (const HWND files = FindShown("#32770", true)) {
    PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
  } else if (const HWND box = FindMessageBox()) {
    EndDialog(box, IDOK);
  } else if (CDialog* dialog = platform::detail::InnermostRunningDialog()) {
    dialog->EndDialog(-2);
  }
}

// Every modal loop dispatches the thread's timer, so what the tests do runs inside whichever
// loop runs; steps may start loops of their own, in which it ticks again.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  const bool late = std::any_of(g_limits.begin(), g_limits.end(),
                                [](auto* limit) { return GetTickCount64() > limit->deadline; });
  const HWND box = FindMessageBox();
  const auto due =
      std::find_if(g_waits.begin(), g_waits.end(), [](const auto& wait) { return wait.first(); });
  if (late) {
    ADD_FAILURE() << "a modal window outlived its time limit; ending it";
    EndTopModal();
  } else if (g_recorder != nullptr && box != nullptr && g_answered.insert(box).second) {
    g_recorder->Record(WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)));  // its text
    EndDialog(box, IDOK);
  } else if (due != g_waits.end()) {
    const std::function<void()> steps = std::move(due->second);
    g_waits.erase(due);
    steps();
  }
}

[[maybe_unused]] const UINT_PTR g_timer = SetTimer(nullptr, 0, 10, Tick);

// Emptied, then given the text unless it is null, by a window of this thread: Windows refuses data
// without an owner. Retried, as another program may hold it a while.
bool FillClipboard(const std::string* text) {
  static const HWND owner =
      CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  for (int attempt = 0; !OpenClipboard(owner); ++attempt) {
    if (attempt == 200) {
      return false;
    }
    Sleep(10);
  }
  EmptyClipboard();
  HGLOBAL block = nullptr;
  if (text != nullptr) {  // at most as many UTF-16 units as UTF-8 bytes, and a NUL
    const auto length = static_cast<int>(text->size());
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text->size() + 1) * 2);
    MultiByteToWideChar(CP_UTF8, 0, text->data(), length, static_cast<LPWSTR>(GlobalLock(block)),
                        length);
    GlobalUnlock(block);
  }
  const bool filled = block == nullptr || SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  return filled;
}

}  // namespace

std::string WindowText(HWND window) {
  char text[4096] = {};
  return {text, static_cast<std::size_t>(GetWindowTextA(window, text, sizeof text))};
}

bool IsShown(const CWnd& window) {
  return IsWindowVisible(window.m_hWnd) != FALSE;
}

bool IsEnabled(const CWnd& window) {
  return IsWindowEnabled(window.m_hWnd) != FALSE;
}

void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  g_waits.emplace_back(ready, steps);
}

bool IsInFront(const CDialog& dialog) {
  return IsShown(dialog) && IsEnabled(dialog) &&
         platform::detail::InnermostRunningDialog() == &dialog && FindMessageBox() == nullptr;
}

void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageA(window, message, wParam, lParam);
  for (MSG queued{}; PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE);) {
    if (!IsDialogMessageA(GetAncestor(window, GA_ROOT), &queued)) {
      TranslateMessage(&queued);
      DispatchMessageA(&queued);
    }
  }
}

ModalTimeLimit::ModalTimeLimit(int seconds)
    : m_impl(std::make_unique<Impl>(GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000)) {
  g_limits.push_back(m_impl.get());
}

ModalTimeLimit::~ModalTimeLimit() {
  g_limits.erase(std::find(g_limits.begin(), g_limits.end(), m_impl.get()));
}

MessageBoxRecorder::MessageBoxRecorder(std::function<void()> whileShown)
    : m_whileShown(std::move(whileShown)) {
  g_recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder() {
  g_recorder = nullptr;
}

// From inside the dialog's own loop, as a person would: the name typed into its box, then Open.
void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return FindShown("#32770", true) != nullptr; },
          [file] {
            const HWND dialog = FindShown("#32770", true);
            for (const int box : {cmb13, edt1}) {
              SetDlgItemTextW(dialog, box, file.wstring().c_str());
            }
            PostMessageA(dialog, WM_COMMAND, file.empty() ? IDCANCEL : IDOK, 0);
          });
}

bool SetClipboardText(const std::string& text) {
  return FillClipboard(&text);
}

bool ClearClipboard() {
  return FillClipboard(nullptr);
}

// A system module: it holds resources, but none of the program's bitmaps.
HINSTANCE ResourcesWithoutBitmaps() {
  return GetModuleHandleA("kernel32.dll");
}

// Real input to the real trackbar, where its thumb and channel are, towards the end with more
// room. The pointer goes there too: Windows reports where it is whenever the capture changes.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  const HWND slider = GetDlgItem(dialog.m_hWnd, id);
  RECT thumb{};
  RECT channel{};
  SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const bool right = channel.right - thumb.right > thumb.left - channel.left;
  const LONG grip = (thumb.left + thumb.right) / 2;
  const auto mouse = [&](UINT message, WPARAM wParam, LONG x) {
    POINT at{x, (thumb.top + thumb.bottom) / 2};
    ClientToScreen(slider, &at);
    SetCursorPos(at.x, at.y);
    if (message != WM_MOUSEWHEEL) {  // which alone comes in screen coordinates
      ScreenToClient(slider, &at);
    }
    DeliverInput(slider, message, wParam,
                 MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
  };
  if (gesture == SliderGesture::kKey) {
    DeliverInput(slider, WM_KEYDOWN, right ? VK_RIGHT : VK_LEFT, 1);
    DeliverInput(slider, WM_KEYUP, right ? VK_RIGHT : VK_LEFT, LPARAM{0xC0000001});
  } else if (gesture == SliderGesture::kWheel) {  // towards the user, as for the next line
    mouse(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(right ? -WHEEL_DELTA : WHEEL_DELTA)),
          grip);
  } else {  // a click lands 4 pixels beside the thumb
    const bool drag = gesture == SliderGesture::kDragThumb;
    const LONG from = drag ? grip : right ? thumb.right + 4 : thumb.left - 4;
    const LONG to = !drag ? from : right ? channel.right : channel.left;
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, from);
    mouse(WM_MOUSEMOVE, MK_LBUTTON, to);
    mouse(WM_LBUTTONUP, 0, to);
  }
}

// As the shell drops, to a window that takes drops: wide names, each ended by a NUL, and one more.
void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files) {
  ASSERT_NE(GetWindowLongPtrA(dialog.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0)
      << "the dialog takes no dropped files (DragAcceptFiles)";
  std::wstring names;
  for (const std::filesystem::path& file : files) {
    names += file.wstring() + L'\0';
  }
  const HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                   sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  *header = {sizeof(DROPFILES), {}, FALSE, TRUE};
  std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(header + 1));
  GlobalUnlock(drop);
  DeliverInput(dialog.m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

int main(int argc, char** argv) {
  // What the program's start does before its first dialog: the common controls' classes.
  platform::detail::StartApplication("tests");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
