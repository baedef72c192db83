// The anchors of the start-up benchmark: a modal dialog from an in-memory template with the
// launcher's frame, size and font, started as the program starts (common controls first), with
// no layer in between. Built with PLAIN_LAUNCHER it holds the launcher's own controls in their
// places, what a user would write by hand; without, only the launcher's long label, the floor for
// any Win32 program that shows text.
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

struct Item {
  std::wstring_view windowClass;
  std::wstring_view text;
  WORD id;
  DWORD style;
  short x, y, cx, cy;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kFlatButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT;

#if defined(PLAIN_LAUNCHER)
constexpr Item kItems[] = {
    {L"Button", L"Quit", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 155, 70, 50, 14},
    {L"Button", L"Helpers", 0xFFFF, kChild | BS_GROUPBOX, 5, 5, 115, 80},
    {L"Button", L"1", 1000, kFlatButton, 15, 20, 20, 14},
    {L"Button", L"2", 1001, kFlatButton, 15, 40, 20, 14},
    {L"Button", L"3", 1002, kFlatButton, 15, 60, 20, 14},
    {L"Static", L"Classes Calculator", 0xFFFF, kLabel, 40, 22, 75, 8},
    {L"Static", L"Spawnteam Calculator", 0xFFFF, kLabel, 40, 42, 75, 8},
    {L"Static", L"Fog Settings Helper", 0xFFFF, kLabel, 40, 62, 75, 8},
    {L"Static", L"Click on the button for the helper that you would like to use.", 0xFFFF, kLabel,
     130, 10, 75, 35},
};
#else
constexpr Item kItems[] = {
    {L"Static", L"Click on the button for the helper that you would like to use.", 0xFFFF, kLabel,
     130, 10, 75, 35},
};
#endif

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
  dialog.Add(static_cast<WORD>(std::size(kItems)));
  for (int value : {0, 0, 212, 90, 0, 0}) {
    dialog.Add(static_cast<WORD>(value));
  }
  dialog.Add(L"Vardak Entity Helper");
  dialog.Add(WORD{8});
  dialog.Add(WORD{FW_DONTCARE});
  dialog.Add(WORD{MAKEWORD(FALSE, DEFAULT_CHARSET)});
  dialog.Add(L"MS Sans Serif");
  for (const Item& item : kItems) {
    dialog.Align();
    dialog.Add(DWORD{0});
    dialog.Add(DWORD{0});
    dialog.Add(item.style);
    for (short value : {item.x, item.y, item.cx, item.cy}) {
      dialog.Add(static_cast<WORD>(value));
    }
    dialog.Add(DWORD{item.id});
    dialog.Add(item.windowClass);
    dialog.Add(item.text);
    dialog.Add(WORD{0});
  }
  return static_cast<int>(DialogBoxIndirectParamW(
      instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.Data()), nullptr, Procedure, 0));
}
