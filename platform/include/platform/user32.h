#pragma once

#include "platform/win_constants.h"
#include "platform/win_types.h"

#if !defined(_WIN32)
// The window and painting services the dialogs call, addressed by handle, with Win32's meanings;
// on Windows they are the system's own.
LRESULT SendMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Delivers the message once control is back in the message loop, unless the window has gone by
// then; FALSE when there is no such window now.
BOOL PostMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsIconic(HWND hWnd);
BOOL GetClientRect(HWND hWnd, RECT* lpRect);
// The window's place on the screen: a dialog with its frame, a control within its dialog.
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
// The window that holds the mouse while a button is pressed on it, or null.
HWND GetCapture();
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon);
int GetSystemMetrics(int nIndex);

HMENU CreatePopupMenu();
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
// With TPM_RETURNCMD: the chosen item's identifier, 0 when none was chosen.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                    const RECT* prcRect);
BOOL DestroyMenu(HMENU hMenu);
#endif
