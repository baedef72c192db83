// Linked into a program for the start-up benchmark: ends the process once its first top-level
// window has been painted, so that the process's run time is its time to first paint.
#include <windows.h>

namespace {

bool g_painted = false;

// Sees every message a loop takes from the queue. The one after the paint (a nudge posted for
// it) comes once the paint has been dispatched.
LRESULT CALLBACK WatchMessages(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    if (g_painted) {
      ExitProcess(0);
    }
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == WM_PAINT && message.hwnd != nullptr &&
        GetAncestor(message.hwnd, GA_ROOT) == message.hwnd) {
      g_painted = true;
      PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

[[maybe_unused]] const HHOOK g_watch =
    SetWindowsHookExA(WH_GETMESSAGE, WatchMessages, nullptr, GetCurrentThreadId());

}  // namespace
