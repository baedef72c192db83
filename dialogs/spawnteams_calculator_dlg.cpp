#include "dialogs/spawnteams_calculator_dlg.h"

#include "dialogs/mask_field.h"
#include "logic/spawnteams_field.h"
#include "platform/additions.h"
#include "res/resource.h"

namespace {

constexpr MaskFieldLayout kMaskField{SpawnteamGroupTable, IDC_FIRST_GROUP, IDC_SPAWNTEAMS_VALUE,
                                     "spawnteams", "group"};

}  // namespace

CSpawnteamsCalculatorDlg::CSpawnteamsCalculatorDlg(CWnd* pParent)
    : CDialog(IDD_SPAWNTEAMS_CALCULATOR, pParent) {}

const MessageMap* CSpawnteamsCalculatorDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapCommand<&CSpawnteamsCalculatorDlg::OnPasteValue>(platform::kPasteValueNotification,
                                                          IDC_SPAWNTEAMS_VALUE),
      MapCommandRange<&CSpawnteamsCalculatorDlg::OnGroupClicked>(BN_CLICKED, IDC_FIRST_GROUP,
                                                                 IDC_LAST_GROUP),
  };
  static const MessageMap map{CDialog::GetThisMessageMap(), entries};
  return &map;
}

BOOL CSpawnteamsCalculatorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The value field stays empty until the first click.
  m_nSpawnteams = 0;
  return TRUE;
}

void CSpawnteamsCalculatorDlg::OnOK() {
  CDialog::OnOK();
}

void CSpawnteamsCalculatorDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}

void CSpawnteamsCalculatorDlg::OnGroupClicked(UINT nID) {
  ToggleAndShow(*this, m_nSpawnteams, kMaskField, nID);
}

// An existing value pasted into the field shows as ticked boxes.
void CSpawnteamsCalculatorDlg::OnPasteValue() {
  PasteAndShow(*this, m_nSpawnteams, kMaskField);
}
