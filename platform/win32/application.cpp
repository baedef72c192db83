#include "platform/detail/backend_contract.h"

namespace platform::detail {

HINSTANCE DefaultResourceHandle() {
  return GetModuleHandleA(nullptr);
}

// The name and version need no handing over here: the version block is a resource of the .exe,
// where Windows itself reads it.
void StartApplication(LPCSTR) {
  // The trackbar and the tooltips live in the common controls, which register their classes
  // only when asked.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  // The picture decoder, the accessibility annotations and the open-file dialog are COM
  // objects made on this thread, which a window's thread serves in its own apartment. It stays
  // joined for the program's life; Windows leaves it when the process ends.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace platform::detail
