#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "platform/additions.h"
#include "platform/files.h"
#include "platform/win_types.h"

class CDialog;
class CWnd;
struct DialogTemplate;

// The backend contract: every function a backend defines, one line of meaning each. Each of a
// backend's sources includes this header, and -Wmissing-declarations turns a definition that
// matches no declaration here into an error, so the compiler checks every signature. A new
// backend implements all of it, calls what platform/detail/dialog_policy.h and
// platform/detail/opaque_copy.h give it where its toolkit acts, and passes the neutral suites.
// Exactly one backend is linked into a program; its entry point (main or WinMain, in the
// platform_main object) calls AfxWinMain.

#if !defined(_WIN32)
// Win32's own calls, with Win32's meanings; on Windows the system provides them.

// Windows and messages.
LRESULT SendMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);  // now, answered
BOOL PostMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);  // once idle; FALSE: gone
BOOL ShowWindow(HWND hWnd, int nCmdShow);     // SW_SHOW or SW_HIDE; whether it was visible
BOOL IsIconic(HWND hWnd);                     // minimised
BOOL GetClientRect(HWND hWnd, RECT* lpRect);  // from (0, 0)
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);  // on the screen, with a frame
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);  // repaint soon; null: all
HWND GetCapture();                           // the window a pressed mouse button holds, or null
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);  // the dialog's control with that identifier
int GetDlgCtrlID(HWND hWnd);                 // a control's identifier
BOOL EndDialog(HWND hDlg, INT_PTR nResult);  // ends the modal run with the result
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);  // modal, one OK

// Painting and icons.
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);  // a context for one WM_PAINT
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);  // shared: the same handle each time
BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon);        // at the large icon's size
int GetSystemMetrics(int nIndex);                         // SM_CXICON and SM_CYICON

// Popup menus.
HMENU CreatePopupMenu();  // empty, until DestroyMenu
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);  // "&", "\t"
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                    const RECT* prcRect);  // modal; with TPM_RETURNCMD the item chosen, or 0
BOOL DestroyMenu(HMENU hMenu);

// Files dropped and chosen (platform/files.h).
void DragAcceptFiles(HWND hWnd, BOOL fAccept);  // whether WM_DROPFILES may come
UINT DragQueryFileW(HDROP hDrop, UINT iFile, LPWSTR lpszFile, UINT cch);  // count, length, name
void DragFinish(HDROP hDrop);                                             // the drop's names go
BOOL GetOpenFileNameW(OPENFILENAMEW* lpofn);  // modal; FALSE when cancelled
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar);  // '?' for what the 8-bit text lacks

// Bitmaps: 32-bit pixels, blue, green, red and an opaque fourth byte, top row first.
HBITMAP LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName);  // a new copy of the resource
LONG GetBitmapBits(HBITMAP hBitmap, LONG cb, LPVOID lpBits);    // at most the bitmap's bytes
LONG SetBitmapBits(HBITMAP hBitmap, DWORD cb, LPCVOID lpBits);  // writes 0xFF as fourth byte
BOOL DeleteObject(HGDIOBJ hObject);  // FALSE for a null or deleted object
#endif

// CBitmap's transfers, members declared in platform/gdi.h, are the backend's too: they move the
// same 32-bit layout whatever depth the bitmap has underneath.

namespace platform {

// The additions (platform/additions.h).
ClipboardRead GetClipboardText(std::string& text);         // all of it, in the program's 8-bit text
void SetToolTip(CWnd& window, LPCSTR text);                // empty: no tip
void SetAccessibleDescription(CWnd& window, LPCSTR text);  // what a picture shows

namespace detail {

// Builds the dialog's window and controls from the template, owned by `owner` (disabled
// meanwhile), calls InitialiseDialog before the window shows, runs it modally, delivers
// WM_DESTROY while the controls still exist and detaches it when the window goes. Returns
// EndDialog's result, or -1 when no window could be made.
INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner,
                       HINSTANCE resources);
HINSTANCE DefaultResourceHandle();   // where LoadIconA and LoadBitmapA look by default
void StartApplication(LPCSTR name);  // once the application has its name, before InitInstance
int RunMessageLoop();                // when InitInstance returns TRUE; the exit code

// The clipboard holds the text (the program's 8-bit text) and nothing else; `owner` asks.
void PutOnClipboard(HWND owner, const std::string& text);

// The whole file a wide name names, when it holds at most `largest` bytes: kRead, or
// kNoSuchFile, kFolder, kUnreadable (the system would not let it be read) or kTooLarge.
PictureRead ReadWholeFile(LPCWSTR path, std::size_t largest, std::vector<BYTE>& bytes);
// The picture in a PNG, JPEG or BMP file's bytes, whose header says a size small enough: at
// that size or reduced by the decoder to no less than the cover size; kNotAPicture or kDamaged
// when it cannot be decoded.
PictureRead DecodePicture(std::span<const BYTE> file, int coverWidth, int coverHeight,
                          Picture& picture);

RECT WorkAreaOf(HWND window);                 // the free part of the screen that shows the window
void MoveFrameTo(HWND window, POINT corner);  // the frame's top left corner, screen coordinates

// Whether `size` bytes at `address` can be read without a fault: a message another program
// sends carries a pointer that means nothing here.
bool IsReadableMemory(const void* address, std::size_t size);

}  // namespace detail

}  // namespace platform
