#include "platform/win32/dialog_procedure.h"

#include <vector>

#include "platform/cdialog.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/dialog_policy.h"
#include "platform/detail/window_map.h"
#include "platform/win32/accessible_description.h"
#include "platform/win32/dialog_keys.h"
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

INT_PTR StartDialog(HWND window, DialogRun& run) {
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(&run));
  SubclassValueFields(window, run.dialogTemplate);
  DescribeControls(window, run.dialogTemplate);
  return detail::InitialiseDialog(run.dialog, window, run.dialogTemplate,
                                  GetWindow(window, GW_OWNER));
}

// F1: the Help command, when pressed in the dialog or one of its controls. The HELPINFO is read
// only when readable: another program can post WM_HELP with any pointer.
void AnswerHelp(HWND window, LPARAM lParam) {
  const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
  if (detail::IsReadableMemory(info, sizeof(HELPINFO)) && info->cbSize >= sizeof(HELPINFO)) {
    detail::AskForHelp(window, static_cast<HWND>(info->hItemHandle));
  }
}

}  // namespace

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    return StartDialog(window, *reinterpret_cast<DialogRun*>(lParam));
  }
  if (message == WM_HELP) {
    AnswerHelp(window, lParam);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
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
  const win32::DialogKeys keys(dialogTemplate);
  return DialogBoxIndirectParamW(resources, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
                                 win32::DialogProcedure, reinterpret_cast<LPARAM>(&run));
}
