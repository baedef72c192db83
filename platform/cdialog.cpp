#include "cdialog.h"

#include "cwinapp.h"
#include "internal/dialog_session.h"
#include "resource_table.h"
#include "user32.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

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
  const DialogTemplate* dialogTemplate = FindDialogTemplate(AfxGetResourceHandle(), m_nIDTemplate);
  if (dialogTemplate == nullptr || m_pSession != nullptr) {
    return -1;
  }
  // Without a parent the application's main window owns the dialog.
  CWnd* owner = m_pParentWnd;
  if (owner == nullptr && AfxGetApp() != nullptr) {
    owner = AfxGetApp()->m_pMainWnd;
  }
  if (owner == this) {
    owner = nullptr;
  }

  DialogSession session(*this, *dialogTemplate, AfxGetResourceHandle(), owner);
  m_pSession = &session;
  if (OnInitDialog()) {
    session.FocusFirstTabStop();
  }
  const HWND ownerWindow = owner != nullptr ? owner->m_hWnd : nullptr;
  const BOOL ownerWasDisabled = ::EnableWindow(ownerWindow, FALSE);
  const int result = session.Run();
  if (!ownerWasDisabled) {
    ::EnableWindow(ownerWindow, TRUE);
  }
  SendMessage(WM_DESTROY);
  m_pSession = nullptr;
  return result;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  if (m_pSession != nullptr) {
    m_pSession->End(nResult);
  }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefDialogProc(m_hWnd, message, wParam, lParam);
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
