#pragma once

#include "platform/win_types.h"

class CDialog;
class CWnd;
struct DialogTemplate;

// Which CWnd speaks for each window handle: a running dialog, or a wrapper the layer makes for
// each of its controls that has an identifier and owns until the dialog's window goes.
namespace platform::detail {

// The dialog's window is up with its controls: the dialog takes the handle and its controls get
// their wrappers (a CSliderCtrl for a trackbar).
void AttachDialog(CDialog& dialog, HWND window, const DialogTemplate& dialogTemplate);
// The window is going: the dialog lets go of its handle and the wrappers are deleted.
void DetachDialog(CDialog& dialog);

CWnd* WrapperOf(HWND window);
// The dialog a window with a wrapper belongs to (itself for a dialog), or null.
HWND OwningDialog(HWND window);
// The template a running dialog was made from, or null.
const DialogTemplate* TemplateOf(HWND dialog);

// Hands a message to the wrapper of the window: TRUE when its message map took the message.
BOOL DispatchToWrapper(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace platform::detail
