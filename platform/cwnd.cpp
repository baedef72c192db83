#include "cwnd.h"

#include <vector>

#include <QWidget>

#include <QWidget>
#include "internal/ansi_text.h"

#include "internal/ansi_text.h"
#include "internal/window_record.h"
#include "user32.h"

const MessageMap* CWnd::GetThisMessageMap() {
  static const MessageMap map{CCmdTarget::GetThisMessageMap(), {}};
  return &map;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  return IsLiveWindow(hWnd) ? hWnd->wnd : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
  if (!IsLiveWindow(m_hWnd)) {
    return nullptr;
  }
  for (const std::unique_ptr<HWND__>& child : m_hWnd->children) {
    if (static_cast<int>(child->id) == nID) {
      return child->wnd;
    }
  }
  return nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::SetWindowTextA(LPCSTR lpszString) {
  ::SendMessageA(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

void CWnd::GetWindowTextA(CString& rString) const {
  const auto length = static_cast<std::size_t>(::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
  std::vector<char> buffer(length + 1, '\0');
  ::SendMessageA(m_hWnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  rString = CString(buffer.data());
}

int CWnd::MessageBoxA(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase) {
  ::InvalidateRect(m_hWnd, lpRect, bErase);
}

BOOL CWnd::IsIconic() const {
  return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(RECT* lpRect) const {
  ::GetClientRect(m_hWnd, lpRect);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  return ::EnableWindow(m_hWnd, bEnable);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchThroughMap(message, wParam, lParam, &result)) {
    return result;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM) {
  return 0;
}

void CWnd::SetToolTipTextA(LPCSTR lpszText) {
  if (IsLiveWindow(m_hWnd)) {
    m_hWnd->widget->setToolTip(FromAnsi(lpszText));
  }
}
