#pragma once

#include "platform/win_types.h"

class CDialog;
struct DialogTemplate;

namespace platform::win32 {

// What the dialog procedure needs of one modal run; handed over with WM_INITDIALOG.
struct DialogRun {
  CDialog& dialog;
  const DialogTemplate& dialogTemplate;
};

// The procedure of every dialog the layer runs: WM_INITDIALOG attaches the dialog and calls
// OnInitDialog; every other message goes through the message maps, and Windows' dialog manager
// does the rest.
INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
