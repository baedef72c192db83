#pragma once

#include "platform/win_types.h"

// The files a user hands the program: dropped on a window (WM_DROPFILES), or chosen in the
// open-file dialog. Their names are wide text, the system's own on Windows, so that a file of
// any name can be opened; WideCharToMultiByte gives the program's 8-bit text of one, to show.

#if defined(_WIN32)

#include <commdlg.h>
#include <shellapi.h>

#else

using WCHAR = wchar_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;

struct HDROP__;
using HDROP = HDROP__*;

inline constexpr UINT WM_DROPFILES = 0x0233;
inline constexpr UINT CP_ACP = 0;
inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

// The members of the open-file dialog's description that the program sets.
struct OPENFILENAMEW {
  DWORD lStructSize;
  HWND hwndOwner;
  // Pairs of a name and its patterns, each NUL-terminated, the last pair followed by a NUL.
  LPCWSTR lpstrFilter;
  LPWSTR lpstrFile;
  DWORD nMaxFile;
  LPCWSTR lpstrTitle;
  DWORD Flags;
};

void DragAcceptFiles(HWND hWnd, BOOL fAccept);
// The number of files for 0xFFFFFFFF; a name's length without its NUL for a null buffer.
UINT DragQueryFileW(HDROP hDrop, UINT iFile, LPWSTR lpszFile, UINT cch);
void DragFinish(HDROP hDrop);
// FALSE when the user cancels; the chosen file's full name in lpstrFile otherwise.
BOOL GetOpenFileNameW(OPENFILENAMEW* lpofn);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar);

#endif
