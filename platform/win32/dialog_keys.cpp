#include "platform/win32/dialog_keys.h"

#include "platform/detail/accelerators.h"

namespace platform::win32 {

namespace {

// One filter per thread, for as long as any dialog with keys runs on it (dialogs nest).
struct Filter {
  HHOOK hook = nullptr;
  int users = 0;
};
thread_local Filter t_filter;

bool Pressed(int key) {
  return GetKeyState(key) < 0;
}

// The dialog a key belongs to is the top-level window of the control that has the focus.
LRESULT CALLBACK FilterKeys(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN &&
      detail::RunAccelerator(GetAncestor(message->hwnd, GA_ROOT),
                             static_cast<UINT>(message->wParam), Pressed(VK_CONTROL),
                             Pressed(VK_SHIFT))) {
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogKeys::DialogKeys(const DialogTemplate& dialogTemplate)
    : m_filtering(!dialogTemplate.accelerators.empty()) {
  if (!m_filtering) {
    return;
  }
  if (t_filter.users++ == 0) {
    t_filter.hook = SetWindowsHookExA(WH_MSGFILTER, FilterKeys, nullptr, GetCurrentThreadId());
  }
}

DialogKeys::~DialogKeys() {
  if (m_filtering && --t_filter.users == 0) {
    UnhookWindowsHookEx(t_filter.hook);
    t_filter.hook = nullptr;
  }
}

}  // namespace platform::win32
