// The floor for a Win32 program that shows text: a modal dialog from an in-memory template with
// the launcher's frame, size and font and one label, started as the program starts (common
// controls first).
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <string_view>
#include <vector>

namespace {

class Words {
 public:
  void Add(WORD value) { m_words.push_back(value); }
  void Add(DWORD value) {
    Add(LOWORD(value));
    Add(HIWORD(value));
  }
  void Add(std::wstring_view text) {
    m_words.insert(m_words.end(), text.begin(), text.end());
    Add(WORD{0});
  }
  void Align() {
    if (m_words.size() % 2 != 0) {
      Add(WORD{0});
    }
  }
  const WORD* Data() const { return m_words.data(); }

 private:
  std::vector<WORD> m_words;
};

INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Words dialog;
  dialog.Add(WORD{1});
  dialog.Add(WORD{0xFFFF});
  dialog.Add(DWORD{0});
  dialog.Add(DWORD{WS_EX_APPWINDOW});
  dialog.Add(DWORD{WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT});
  dialog.Add(WORD{1});
  for (int value : {0, 0, 212, 90, 0, 0}) {
    dialog.Add(static_cast<WORD>(value));
  }
  dialog.Add(L"Vardak Entity Helper");
  dialog.Add(WORD{8});
  dialog.Add(WORD{FW_DONTCARE});
  dialog.Add(WORD{MAKEWORD(FALSE, DEFAULT_CHARSET)});
  dialog.Add(L"MS Sans Serif");
  dialog.Align();
  dialog.Add(DWORD{0});
  dialog.Add(DWORD{0});
  dialog.Add(DWORD{WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT});
  for (int value : {130, 10, 75, 35}) {
    dialog.Add(static_cast<WORD>(value));
  }
  dialog.Add(DWORD{0xFFFF});
  dialog.Add(L"Static");
  dialog.Add(L"Click on the button for the helper that you would like to use.");
  dialog.Add(WORD{0});
  return static_cast<int>(DialogBoxIndirectParamW(
      instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.Data()), nullptr, Procedure, 0));
}
