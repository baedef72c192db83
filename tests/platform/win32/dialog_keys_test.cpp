#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/classes_calculator_dlg.h"
#include "platform/additions.h"
#include "platform/detail/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

// The probe and the Classes Calculator, which has no keys of its own, so that it can run over
// the probe.
const ResourceTable* ProbeAndCalculator() {
  using platform::detail::FindDialogTemplate;
  static const DialogTemplate dialogs[] = {
      *FindDialogTemplate(ProbeResources(), IDD_PROBE),
      *FindDialogTemplate(ProgramResources(), IDD_CLASSES_CALCULATOR)};
  static const ResourceTable table{dialogs, {}, {}, ProgramResources()->version, {}};
  return &table;
}

// A key pressed with Ctrl held, as the keyboard gives it to the control with the focus, and
// taken as the dialog's own loop takes it.
void PressCtrlAnd(HWND control, WPARAM key) {
  SetFocus(control);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  DeliverInput(control, WM_KEYDOWN, key, 1);
  DeliverInput(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

// The calculator, opened over the probe, keeps its value field's own Ctrl+V.
TEST_F(ProbeTest, AKeyOfTheTemplateWorksFromEveryControlAndLeavesOtherDialogsTheirKeys) {
  platform::SetResourceTable(ProbeAndCalculator());
  InProbe([&] {
    for (const int id : {IDC_PROBE_EDIT, IDC_PROBE_LIST, IDC_PROBE_SLIDER}) {
      PressCtrlAnd(dialog.GetDlgItem(id)->m_hWnd, 'K');
    }
    EXPECT_EQ(dialog.log, std::vector<std::string>(3, "key command"));

    CClassesCalculatorDlg calculator(&dialog);
    RunModal(calculator, [&] {
      const HWND field = calculator.GetDlgItem(static_cast<int>(IDC_CLASSES_VALUE))->m_hWnd;
      ASSERT_TRUE(SetClipboardText("130"));
      PressCtrlAnd(field, 'V');
      EXPECT_EQ(TextOf(calculator, IDC_CLASSES_VALUE), "130");
      calculator.EndDialog(IDOK);
    });
  });
}

}  // namespace
