#pragma once

#include <cstdint>

#include "platform/cdialog.h"

// Builds the `spawnteams` key of a structure from eight group boxes.
class CSpawnteamsCalculatorDlg : public CDialog {
 public:
  explicit CSpawnteamsCalculatorDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  std::int32_t m_nSpawnteams = 0;

 protected:
  DECLARE_MESSAGE_MAP()

  // Where OK and the data exchange would take work of their own; both only call the base class.
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;

  void OnGroupClicked(UINT nID);
  void OnPasteValue();
};
