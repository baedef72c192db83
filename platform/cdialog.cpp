#include "platform/cdialog.h"

#include "platform/cwinapp.h"
#include "platform/detail/backend.h"
#include "platform/detail/resources.h"
#include "platform/detail/running_dialogs.h"
#include "platform/detail/system_calls.h"

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
  const platform::detail::ModalRun running(*this);
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

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange exchange{bSaveAndValidate, this};
  DoDataExchange(&exchange);
  return TRUE;
}
