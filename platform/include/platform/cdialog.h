#pragma once

#include "platform/cwnd.h"

// Data exchange between a dialog's controls and its members; the dialogs here keep none, so it
// carries nothing.
class CDataExchange {};

// A modal dialog built from a dialog template in the program's resources.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Builds the window, calls OnInitDialog, runs until EndDialog and returns its result; -1 when
  // the template is missing or the dialog is already running. Without a parent the
  // application's main window owns the dialog and is disabled while it runs.
  virtual INT_PTR DoModal();
  // TRUE leaves the focus to the layer: the first control with a tab stop.
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

  // Commands the dialog's map does not take go on to the application, as Help (F1) does.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // The help topic of the dialog: its template's number.
  UINT m_nIDHelp;

 protected:
  DECLARE_MESSAGE_MAP()

  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

 private:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};
