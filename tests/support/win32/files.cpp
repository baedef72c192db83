// Windows' own types first: <dlgs.h> takes them for granted.
#include "platform/win_types.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

// The file name box: a combo box in the dialog Windows shows today, an edit box in the older one.
HWND FileNameBox(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb13);
  return combo != nullptr ? combo : GetDlgItem(dialog, edt1);
}

BOOL CALLBACK FindFileDialogIn(HWND window, LPARAM found) {
  if (IsFileDialog(window) && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The names, each ended by a NUL, with one more NUL after the last, behind the header.
HDROP DropOf(const std::vector<std::filesystem::path>& files, POINT where) {
  std::wstring names;
  for (const std::filesystem::path& file : files) {
    names += file.wstring();
    names += L'\0';
  }
  names += L'\0';
  const std::size_t nameBytes = names.size() * sizeof(wchar_t);
  const HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nameBytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->pt = where;
  header->fNC = FALSE;
  header->fWide = TRUE;
  std::memcpy(header + 1, names.data(), nameBytes);
  GlobalUnlock(drop);
  return static_cast<HDROP>(drop);
}

}  // namespace

bool IsFileDialog(HWND window) {
  char windowClass[16] = {};
  GetClassNameA(window, windowClass, sizeof windowClass);
  return lstrcmpA(windowClass, "#32770") == 0 && FileNameBox(window) != nullptr;
}

HWND FindFileDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindFileDialogIn, reinterpret_cast<LPARAM>(&found));
  return found;
}

// As the shell drops: on the middle of the window, posted to it, when it takes dropped files; the
// window frees the drop with DragFinish.
void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files) {
  const HWND window = dialog.m_hWnd;
  if ((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
    ADD_FAILURE() << "the dialog takes no dropped files (DragAcceptFiles)";
    return;
  }
  RECT client{};
  GetClientRect(window, &client);
  const HDROP drop = DropOf(files, {client.right / 2, client.bottom / 2});
  DeliverInput(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

// From inside the dialog's own loop, as a person would: the name typed into its box, then Open.
void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return FindFileDialog() != nullptr; },
          [file] {
            const HWND dialog = FindFileDialog();
            const int button = file.empty() ? IDCANCEL : IDOK;
            if (!file.empty()) {
              SetWindowTextW(FileNameBox(dialog), file.wstring().c_str());
            }
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
          });
}
