#pragma once

#include "platform/cstring.h"
#include "platform/message_map.h"
#include "platform/win_types.h"

// A window: a dialog or one of its controls. The wrappers of a dialog's controls belong to the
// layer and live as long as the dialog's window.
class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override = default;

  HWND m_hWnd = nullptr;

  // The wrapper of a window, or null for a null handle or one the layer does not know.
  static CWnd* FromHandle(HWND hWnd);

  CWnd* GetDlgItem(int nID) const;
  BOOL ShowWindow(int nCmdShow);
  void SetWindowTextA(LPCSTR lpszString);
  void GetWindowTextA(CString& rString) const;
  // Without a caption the box carries the application's name.
  int MessageBoxA(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
  BOOL IsIconic() const;
  void GetClientRect(RECT* lpRect) const;

  // Every message sent to the window meets its message map here first; FALSE leaves it to the
  // window's default handling.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

 protected:
  DECLARE_MESSAGE_MAP()

  // The default paint: the controls draw themselves; the window only has its paint ended.
  void OnPaint();
  void OnDestroy() {}
};
