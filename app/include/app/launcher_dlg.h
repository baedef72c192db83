#pragma once

#include "platform/cdialog.h"

// The main window: three numbered buttons that open the helpers one at a time, and "Quit".
class CLauncherDlg : public CDialog {
 public:
  explicit CLauncherDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  // A shared resource handle: never released.
  HICON m_hIcon;

 protected:
  DECLARE_MESSAGE_MAP()

  // Where OK and the data exchange would take work of their own; both only call the base class.
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;

  // Minimised, the window shows its icon, drawn centred.
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnOpenClassesCalculator();
  void OnOpenSpawnteamsCalculator();
  void OnOpenFogSettings();

  // The launcher hides while the helper runs; the helper is new each time, so it always
  // starts from its defaults.
  template <class Helper>
  void OpenHelper() {
    Helper helper;
    ShowWindow(SW_HIDE);
    helper.DoModal();
    ShowWindow(SW_SHOW);
  }
};
