#include "platform/cwnd.h"

#include <vector>

#include "platform/cwinapp.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/dialog_policy.h"
#include "platform/detail/running_dialogs.h"
#include "platform/detail/window_map.h"
#include "platform/paint.h"
#include "platform/user32.h"

const MessageMap* CWnd::GetThisMessageMap() {
  static const MessageMap map{CCmdTarget::GetThisMessageMap(), {}};
  return &map;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  return platform::detail::WrapperOf(hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  return m_hWnd == nullptr ? nullptr : FromHandle(::GetDlgItem(m_hWnd, nID));
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
  const platform::detail::ModalRun box(nullptr);
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption != nullptr ? lpszCaption : AfxGetAppName(),
                       nType);
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

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // Read only when it comes from one of the window's own controls: anything can send it.
  if (message == WM_NOTIFY &&
      platform::detail::NotificationFrom(m_hWnd, wParam, lParam) == nullptr) {
    return FALSE;
  }
  return DispatchThroughMap(message, wParam, lParam, pResult);
}

void CWnd::OnPaint() {
  const CPaintDC dc(this);
}
