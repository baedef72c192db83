// Windows' own types first: <shlobj.h> takes them for granted.
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>

#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr int kClipboardTries = 20;
constexpr DWORD kClipboardRetryMilliseconds = 10;
constexpr LONG kBesideThumb = 4;  // pixels between the thumb and a click on the track

// Emptied, then given the text unless it is null, by a window of this thread, which then owns it
// (Windows refuses data without an owner); retried, as another program (Wine's clipboard manager)
// may hold it for a moment.
bool FillClipboard(const std::string* text) {
  static const HWND owner = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleA(nullptr), nullptr);
  for (int attempt = 0; !OpenClipboard(owner); ++attempt) {
    if (attempt == kClipboardTries) {
      return false;
    }
    Sleep(kClipboardRetryMilliseconds);
  }
  EmptyClipboard();
  bool filled = text == nullptr;
  if (text != nullptr) {
    // As many UTF-16 units at most as UTF-8 bytes, and a NUL.
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text->size() + 1) * 2);
    const auto length = static_cast<int>(text->size());
    MultiByteToWideChar(CP_UTF8, 0, text->data(), length, static_cast<LPWSTR>(GlobalLock(block)),
                        length);
    GlobalUnlock(block);
    filled = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  }
  CloseClipboard();
  return filled;
}

}  // namespace

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

// Real input messages to the real trackbar, at the places its thumb and channel really are. The
// pointer goes there too: Windows reports where it really is whenever the capture changes.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  const HWND slider = GetDlgItem(dialog.m_hWnd, id);
  RECT thumb{};
  RECT channel{};
  SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const LONG y = (thumb.top + thumb.bottom) / 2;
  const LONG grip = (thumb.left + thumb.right) / 2;
  // Towards the end with more room, so that the slider always moves.
  const bool rightward = channel.right - thumb.right > thumb.left - channel.left;
  const auto mouse = [&](UINT message, WPARAM wParam, LONG x) {
    POINT screen{x, y};
    ClientToScreen(slider, &screen);
    SetCursorPos(screen.x, screen.y);
    const POINT at = message == WM_MOUSEWHEEL ? screen : POINT{x, y};
    DeliverInput(slider, message, wParam,
                 MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
  };
  const auto press = [&](LONG x, LONG releaseX) {
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, x);
    if (releaseX != x) {
      mouse(WM_MOUSEMOVE, MK_LBUTTON, (x + releaseX) / 2);
      mouse(WM_MOUSEMOVE, MK_LBUTTON, releaseX);
    }
    mouse(WM_LBUTTONUP, 0, releaseX);
  };
  switch (gesture) {
    case SliderGesture::kKey:
      DeliverInput(slider, WM_KEYDOWN, rightward ? VK_RIGHT : VK_LEFT, 1);
      DeliverInput(slider, WM_KEYUP, rightward ? VK_RIGHT : VK_LEFT, LPARAM{0xC0000001});
      break;
    case SliderGesture::kDragThumb:
      press(grip, rightward ? channel.right : channel.left);
      break;
    case SliderGesture::kClickTrack: {
      const LONG x = rightward ? thumb.right + kBesideThumb : thumb.left - kBesideThumb;
      press(x, x);
      break;
    }
    case SliderGesture::kWheel:
      // Towards the user, as for the next line of a page.
      mouse(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(rightward ? -WHEEL_DELTA : WHEEL_DELTA)),
            grip);
      break;
  }
}

// As the shell drops: posted to the window, when it takes dropped files; the names wide, each
// ended by a NUL, with one more after the last. The window frees the drop.
void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files) {
  const HWND window = dialog.m_hWnd;
  if ((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
    ADD_FAILURE() << "the dialog takes no dropped files (DragAcceptFiles)";
    return;
  }
  std::wstring names;
  for (const std::filesystem::path& file : files) {
    names += file.wstring() + L'\0';
  }
  const std::size_t nameBytes = (names.size() + 1) * sizeof(wchar_t);
  const HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nameBytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, names.c_str(), nameBytes);
  GlobalUnlock(drop);
  DeliverInput(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}
