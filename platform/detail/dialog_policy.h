#pragma once

#include "platform/win_types.h"

class CDialog;
struct DialogTemplate;

// What every backend does the same way at the moments its toolkit reports: the backend calls
// these, and the layer decides.
namespace platform::detail {

// Once the dialog's window and controls are up, before the window shows: the dialog takes its
// handle and its controls' wrappers, the window stands over its owner (mid-screen without one)
// and on the screen, and OnInitDialog runs as a message handler. TRUE: the backend gives the
// focus to the first control with a tab stop.
BOOL InitialiseDialog(CDialog& dialog, HWND window, const DialogTemplate& dialogTemplate,
                      HWND owner);

// F1 pressed in `from`: the Help command for the dialog, when `from` is the dialog or one of its
// own controls. Help asked in anything else (a message box over it) is not the dialog's.
void AskForHelp(HWND dialog, HWND from);

// The header of a WM_NOTIFY sent to the dialog, read only once it is known to be readable, and
// only when it comes from one of the dialog's own controls: the control named by wParam, whose
// identifier and window the header repeats. Null for anything else.
const NMHDR* NotificationFrom(HWND dialog, WPARAM wParam, LPARAM lParam);

}  // namespace platform::detail
