#pragma once

#include "platform/win_types.h"

#if !defined(_WIN32)
// The Win32 calls the shared classes make that the dialogs never call themselves. Windows has
// them; the other backends implement them with Win32's meanings.
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
#endif
