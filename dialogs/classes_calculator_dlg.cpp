#include "dialogs/classes_calculator_dlg.h"

#include <string>

#include "dialogs/mask_field.h"
#include "logic/classes_field.h"
#include "platform/additions.h"
#include "res/resource.h"

namespace {

constexpr MaskFieldLayout kMaskField{ClassBitTable, IDC_FIRST_CLASS, IDC_CLASSES_VALUE, "classes",
                                     "class"};

}  // namespace

CClassesCalculatorDlg::CClassesCalculatorDlg(CWnd* pParent)
    : CDialog(IDD_CLASSES_CALCULATOR, pParent) {}

const MessageMap* CClassesCalculatorDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapCommand<&CClassesCalculatorDlg::OnEntityNameChanged>(CBN_SELCHANGE, IDC_ENTITY_NAME),
      MapCommand<&CClassesCalculatorDlg::OnPasteValue>(platform::kPasteValueNotification,
                                                       IDC_CLASSES_VALUE),
      MapCommandRange<&CClassesCalculatorDlg::OnClassClicked>(BN_CLICKED, IDC_FIRST_CLASS,
                                                              IDC_LAST_CLASS),
  };
  static const MessageMap map{CDialog::GetThisMessageMap(), entries};
  return &map;
}

BOOL CClassesCalculatorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWnd* names = GetDlgItem(IDC_ENTITY_NAME);
  for (const char* name : EntityNameList) {
    names->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  // Selecting by message does not notify, so the template's description stays.
  names->SendMessage(CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(InitialEntityName));
  // The value field stays empty until the first click.
  m_nClasses = 0;
  return TRUE;
}

void CClassesCalculatorDlg::OnOK() {
  CDialog::OnOK();
}

void CClassesCalculatorDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}

void CClassesCalculatorDlg::OnEntityNameChanged() {
  CString name;
  GetDlgItem(IDC_ENTITY_NAME)->GetWindowTextA(name);
  if (const auto description = DescriptionForName(name)) {
    GetDlgItem(IDC_ENTITY_DESCRIPTION)->SetWindowTextA(std::string(*description).c_str());
  }
}

void CClassesCalculatorDlg::OnClassClicked(UINT nID) {
  ToggleAndShow(*this, m_nClasses, kMaskField, nID);
}

// An existing value pasted into the field shows as ticked boxes.
void CClassesCalculatorDlg::OnPasteValue() {
  PasteAndShow(*this, m_nClasses, kMaskField);
}
