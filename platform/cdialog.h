#pragma once

#include "cwnd.h"

class DialogSession;

// Data exchange between a dialog's controls and its members; the dialogs here keep none.
class CDataExchange {
 public:
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

// A modal dialog built from a dialog template in the program's resources.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Builds the window, calls OnInitDialog, runs until EndDialog and returns its result; -1 when
  // the template is missing or the dialog is already running.
  virtual INT_PTR DoModal();
  // TRUE leaves the focus to the platform: the first control with a tab stop.
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

  DECLARE_MESSAGE_MAP()

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

 private:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  DialogSession* m_pSession = nullptr;
};
