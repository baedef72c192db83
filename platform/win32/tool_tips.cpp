#include "platform/additions.h"
#include "platform/cwnd.h"
#include "platform/detail/backend_contract.h"

namespace platform {

namespace {

struct TipSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindTipWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<TipSearch*>(lParam);
  char windowClass[32] = {};
  GetClassNameA(window, windowClass, sizeof windowClass);
  if (GetWindow(window, GW_OWNER) == search.owner && lstrcmpiA(windowClass, TOOLTIPS_CLASSA) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// One tooltip window per dialog, owned by it, so that it goes when the dialog goes.
HWND TipWindowOf(HWND dialog, bool create) {
  TipSearch search{dialog, nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), FindTipWindow,
                    reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr && create) {
    search.found = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  }
  return search.found;
}

}  // namespace

void SetToolTip(CWnd& window, LPCSTR text) {
  const HWND control = window.m_hWnd;
  if (control == nullptr) {
    return;
  }
  const HWND dialog = GetAncestor(control, GA_ROOT);
  const bool removing = text == nullptr || *text == '\0';
  const HWND tips = TipWindowOf(dialog, !removing);
  if (tips == nullptr) {
    return;
  }
  // The short form of the structure, which every version of the common controls reads.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  // A tool whose text changes is put back new: the same in every version of the controls.
  SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!removing) {
    tool.lpszText = const_cast<LPSTR>(text);
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace platform
