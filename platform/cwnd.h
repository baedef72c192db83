#pragma once

#include "cstring.h"
#include "message_map.h"
#include "win_types.h"

// A window: a dialog or one of its controls. Controls' wrappers belong to the platform and live
// as long as their dialog's window.
class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override = default;

  HWND m_hWnd = nullptr;

  // The platform's wrapper of a window, or null for a null or unknown handle.
  static CWnd* FromHandle(HWND hWnd);

  CWnd* GetDlgItem(int nID) const;
  BOOL ShowWindow(int nCmdShow);
  void SetWindowTextA(LPCSTR lpszString);
  void GetWindowTextA(CString& rString) const;
  int MessageBoxA(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
  BOOL IsIconic() const;
  void GetClientRect(RECT* lpRect) const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  // The layer's shortcut for a tooltip control with one tool covering the window; an empty
  // text removes the tip.
  void SetToolTipTextA(LPCSTR lpszText);

  // Every message sent to this window's handle arrives here.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

  // What the window does with a message its map does not take.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // The default paint: the platform draws the background and the controls by itself.
  void OnPaint() {}
  void OnDestroy() {}
};
