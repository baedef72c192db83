#include "platform/win32/dialog_procedure.h"

#include <algorithm>
#include <vector>

#include "platform/cdialog.h"
#include "platform/detail/backend.h"
#include "platform/detail/handler_scope.h"
#include "platform/detail/window_map.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/value_field.h"

namespace platform::win32 {

namespace {

DialogRun* RunOf(HWND window) {
  return reinterpret_cast<DialogRun*>(GetWindowLongPtrA(window, DWLP_USER));
}

// For these a dialog procedure returns the answer itself; for all others it returns whether it
// handled the message and leaves the answer in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

// Centred over its owner, or on the screen for the first window, and kept on the screen.
void PlaceOverOwner(HWND window) {
  const HWND owner = GetWindow(window, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  RECT area = monitor.rcWork;
  if (owner != nullptr) {
    GetWindowRect(owner, &area);
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  const LONG width = frame.right - frame.left;
  const LONG height = frame.bottom - frame.top;
  const LONG x = std::max(
      monitor.rcWork.left,
      std::min(area.left + (area.right - area.left - width) / 2, monitor.rcWork.right - width));
  const LONG y = std::max(
      monitor.rcWork.top,
      std::min(area.top + (area.bottom - area.top - height) / 2, monitor.rcWork.bottom - height));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A picture control loads its bitmap from the template but leaves deleting it to its dialog.
// Taken out of the control first, so that nothing draws it once it is gone.
BOOL CALLBACK ReleasePicture(HWND control, LPARAM) {
  char windowClass[16] = {};
  GetClassNameA(control, windowClass, sizeof windowClass);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  if (lstrcmpiA(windowClass, WC_STATIC) == 0 && (style & SS_TYPEMASK) == SS_BITMAP) {
    if (const auto shown =
            reinterpret_cast<HBITMAP>(SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0))) {
      DeleteObject(shown);
    }
  }
  return TRUE;
}

INT_PTR InitialiseDialog(HWND window, DialogRun& run) {
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(&run));
  detail::AttachDialog(run.dialog, window, run.dialogTemplate);
  SubclassValueFields(window, run.dialogTemplate);
  PlaceOverOwner(window);
  const detail::HandlerScope initialising;
  return run.dialog.OnInitDialog();
}

}  // namespace

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    return InitialiseDialog(window, *reinterpret_cast<DialogRun*>(lParam));
  }
  if (message == WM_HELP) {
    // F1: the Help command, which the dialog or else the application takes.
    message = WM_COMMAND;
    wParam = MAKEWPARAM(static_cast<WORD>(ID_HELP), 0);
    lParam = 0;
  }
  LRESULT result = 0;
  const BOOL handled = detail::DispatchToWrapper(window, message, wParam, lParam, &result);
  if (message == WM_DESTROY) {
    EnumChildWindows(window, ReleasePicture, 0);
  } else if (message == WM_NCDESTROY) {
    if (DialogRun* run = RunOf(window)) {
      detail::DetachDialog(run->dialog);
    }
  }
  if (!handled) {
    return FALSE;
  }
  if (AnswersDirectly(message)) {
    return static_cast<INT_PTR>(result);
  }
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace platform::win32

INT_PTR platform::detail::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                         HWND owner, HINSTANCE resources) {
  const std::vector<WORD> bytes = win32::BuildDialogTemplate(dialogTemplate);
  win32::DialogRun run{dialog, dialogTemplate};
  return DialogBoxIndirectParamW(resources, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
                                 win32::DialogProcedure, reinterpret_cast<LPARAM>(&run));
}
