#include "platform/cdialog.h"

#include "platform/cwinapp.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/detail/running_dialogs.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

const MessageMap* CDialog::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapCommand<&CDialog::OnOK>(BN_CLICKED, IDOK),
      MapCommand<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
  };
  static const MessageMap map{CWnd::GetThisMessageMap(), entries};
  return &map;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialogTemplate =
      platform::detail::FindDialogTemplate(platform::detail::ProgramResourceTable(), m_nIDTemplate);
  if (dialogTemplate == nullptr || m_hWnd != nullptr) {
    return -1;
  }
  CWnd* owner = m_pParentWnd;
  if (owner == nullptr && AfxGetApp() != nullptr) {
    owner = AfxGetApp()->m_pMainWnd;
  }
  if (owner == this) {
    owner = nullptr;
  }
  const platform::detail::ModalRun running(this);
  return platform::detail::RunModalDialog(
      *this, *dialogTemplate, owner != nullptr ? owner->m_hWnd : nullptr, AfxGetResourceHandle());
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  if (m_hWnd != nullptr) {
    ::EndDialog(m_hWnd, nResult);
  }
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // While a window of its own runs modally over the dialog (a helper over the launcher, a message
  // box over a helper), no user can reach its controls: what arrives from them then comes from
  // elsewhere, and acting on it would stack window upon window.
  const bool fromControls = message == WM_COMMAND || message == WM_NOTIFY || message == WM_HSCROLL;
  if (fromControls && platform::detail::IsModalOver(*this)) {
    *pResult = 0;
    return TRUE;
  }
  if (CWnd::OnWndMsg(message, wParam, lParam, pResult)) {
    return TRUE;
  }
  CWinApp* app = AfxGetApp();
  return message == WM_COMMAND && app != nullptr && app->OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) {
    EndDialog(IDOK);
  }
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL) {
  CDataExchange exchange;
  DoDataExchange(&exchange);
  return TRUE;
}
