#pragma once

#include <cstdint>

#include "platform/cdialog.h"

// Builds the `classes` key of an entity from sixteen player-class boxes and explains what the
// key means for the chosen entity type.
class CClassesCalculatorDlg : public CDialog {
 public:
  explicit CClassesCalculatorDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  std::int32_t m_nClasses = 0;

 protected:
  DECLARE_MESSAGE_MAP()

  // Where OK and the data exchange would take work of their own; both only call the base class.
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;

  void OnEntityNameChanged();
  void OnClassClicked(UINT nID);
  void OnPasteValue();
};
