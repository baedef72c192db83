#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"

namespace {

constexpr int kClipboardTries = 20;
constexpr DWORD kClipboardRetryMilliseconds = 10;

// Emptying the clipboard makes the window that opened it the owner; without one, Windows
// refuses the data that follows.
HWND ClipboardOwner() {
  static const HWND owner = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleA(nullptr), nullptr);
  return owner;
}

// Another program (Wine's clipboard manager, a clipboard viewer) may hold it for a moment.
bool OpenClipboardSoon() {
  for (int attempt = 0; attempt < kClipboardTries; ++attempt) {
    if (OpenClipboard(ClipboardOwner())) {
      return true;
    }
    Sleep(kClipboardRetryMilliseconds);
  }
  return false;
}

}  // namespace

bool IsShown(const CWnd& window) {
  return window.m_hWnd != nullptr && IsWindowVisible(window.m_hWnd);
}

bool IsEnabled(const CWnd& window) {
  return window.m_hWnd != nullptr && IsWindowEnabled(window.m_hWnd);
}

bool SetClipboardText(const std::string& text) {
  const auto length = static_cast<int>(text.size());
  const int characters =
      length == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (!OpenClipboardSoon()) {
    return false;
  }
  EmptyClipboard();
  bool set = false;
  const auto size = (static_cast<std::size_t>(characters) + 1) * sizeof(wchar_t);
  if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size)) {
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, static_cast<LPWSTR>(GlobalLock(block)),
                        characters);
    GlobalUnlock(block);
    set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!set) {
      GlobalFree(block);
    }
  }
  CloseClipboard();
  return set;
}

bool ClearClipboard() {
  if (!OpenClipboardSoon()) {
    return false;
  }
  EmptyClipboard();
  CloseClipboard();
  return !IsClipboardFormatAvailable(CF_TEXT);
}

// A system module: it holds resources, but none of the program's bitmaps.
HINSTANCE ResourcesWithoutBitmaps() {
  const HMODULE module = GetModuleHandleA("kernel32.dll");
  // 132: the sample picture.
  EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(132), RT_BITMAP), nullptr)
      << "kernel32.dll holds a bitmap 132";
  return module;
}
