#include "app/launcher_dlg.h"

#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "platform/cwinapp.h"
#include "platform/paint.h"
#include "platform/user32.h"
#include "res/resource.h"

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CDialog(IDD_LAUNCHER, pParent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

const MessageMap* CLauncherDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapMessage<WM_PAINT, &CLauncherDlg::OnPaint>(),
      MapQueryDragIcon<&CLauncherDlg::OnQueryDragIcon>(),
      MapCommand<&CLauncherDlg::OnOpenClassesCalculator>(BN_CLICKED, IDC_OPEN_CLASSES),
      MapCommand<&CLauncherDlg::OnOpenSpawnteamsCalculator>(BN_CLICKED, IDC_OPEN_SPAWNTEAMS),
      MapCommand<&CLauncherDlg::OnOpenFogSettings>(BN_CLICKED, IDC_OPEN_FOG),
  };
  static const MessageMap map{CDialog::GetThisMessageMap(), entries};
  return &map;
}

BOOL CLauncherDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, TRUE, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, FALSE, reinterpret_cast<LPARAM>(m_hIcon));
  return TRUE;
}

void CLauncherDlg::OnOK() {
  CDialog::OnOK();
}

void CLauncherDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}

void CLauncherDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - cxIcon + 1) / 2;
  const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
}

HCURSOR CLauncherDlg::OnQueryDragIcon() {
  return m_hIcon;
}

void CLauncherDlg::OnOpenClassesCalculator() {
  OpenHelper<CClassesCalculatorDlg>();
}

void CLauncherDlg::OnOpenSpawnteamsCalculator() {
  OpenHelper<CSpawnteamsCalculatorDlg>();
}

void CLauncherDlg::OnOpenFogSettings() {
  OpenHelper<CFogSettingsDlg>();
}
