#pragma once

#include "platform/win_types.h"

class CDialog;
struct DialogTemplate;

// What each backend gives the shared classes beyond the Win32 calls they make (see
// system_calls.h). Exactly one backend is linked into a program.
namespace platform::detail {

// Makes the dialog's window and controls from the template, pictures from `resources`, owned
// by `owner` (which it disables meanwhile), and runs it modally: the backend attaches the
// dialog (window_map.h), calls OnInitDialog before the window shows, delivers WM_DESTROY while
// the controls still exist and detaches the dialog when the window goes. Returns EndDialog's
// result, or -1 when no window could be made.
INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner,
                       HINSTANCE resources);

// The module LoadIconA and LoadBitmapA read when the program names none.
HINSTANCE DefaultResourceHandle();

// Called once the application has its name, before InitInstance.
void StartApplication(LPCSTR name);

// The message loop a program runs when InitInstance returns TRUE; returns the exit code.
int RunMessageLoop();

}  // namespace platform::detail
