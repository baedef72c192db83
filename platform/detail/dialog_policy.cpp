#include "platform/detail/dialog_policy.h"

#include "platform/cdialog.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/handler_scope.h"
#include "platform/detail/placement.h"
#include "platform/detail/window_map.h"

namespace platform::detail {

BOOL InitialiseDialog(CDialog& dialog, HWND window, const DialogTemplate& dialogTemplate,
                      HWND owner) {
  AttachDialog(dialog, window, dialogTemplate);
  PlaceOverOwner(window, owner);
  // WM_INITDIALOG on Windows: a message handler like any other.
  const HandlerScope initialising;
  return dialog.OnInitDialog();
}

void AskForHelp(HWND dialog, HWND from) {
  if (dialog != nullptr && (from == dialog || OwningDialog(from) == dialog)) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0), 0);
  }
}

const NMHDR* NotificationFrom(HWND dialog, WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  const HWND control = ::GetDlgItem(dialog, static_cast<int>(wParam));
  if (control == nullptr || !IsReadableMemory(header, sizeof(NMHDR)) ||
      header->hwndFrom != control || header->idFrom != wParam) {
    return nullptr;
  }
  return header;
}

}  // namespace platform::detail
