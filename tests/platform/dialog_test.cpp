#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "platform/cwinapp.h"
#include "platform/internal/dialog_units.h"
#include "probe_dialog.h"
#include "tests/support/gui_test_support.h"

namespace {

class Dialogs : public testing::Test {
 protected:
  void SetUp() override { AfxSetResourceHandle(ProbeResources()); }

  CWinApp app;
  CProbeDlg dialog;
};

TEST_F(Dialogs, EnterPressesTheDefaultButtonFromAnyControl) {
  EXPECT_EQ(RunModal(dialog,
                     [&] {
                       ControlOf(dialog, IDC_PROBE_CHECK)->setFocus();
                       PressKey(WindowOf(dialog), Qt::Key_Return);
                     }),
            IDOK);
}

TEST_F(Dialogs, EscapeAndTheCloseBoxCancel) {
  EXPECT_EQ(RunModal(dialog, [&] { PressKey(WindowOf(dialog), Qt::Key_Escape); }), IDCANCEL);
  EXPECT_EQ(RunModal(dialog, [&] { WindowOf(dialog)->close(); }), IDCANCEL);
}

TEST_F(Dialogs, FocusStartsOnTheFirstTabStopAndTabFollowsTheTemplate) {
  RunModal(dialog, [&] {
    EXPECT_EQ(WindowOf(dialog)->focusWidget(), ControlOf(dialog, IDOK));
    const int order[] = {IDC_PROBE_FLAT, IDC_PROBE_CHECK,  IDC_PROBE_EDIT,
                         IDC_PROBE_LIST, IDC_PROBE_SLIDER, IDOK};
    for (int id : order) {
      PressKey(WindowOf(dialog), Qt::Key_Tab);
      EXPECT_EQ(WindowOf(dialog)->focusWidget(), ControlOf(dialog, id)) << id;
    }
    dialog.EndDialog(IDOK);
  });
}

TEST_F(Dialogs, MissingTemplateFailsWithoutAWindow) {
  CDialog missing(999);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST_F(Dialogs, DestroyArrivesWhileTheControlsStillExist) {
  RunModal(dialog, [&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("kept");
    dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(dialog.editTextAtDestroy, "kept");
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.GetDlgItem(IDC_PROBE_EDIT), nullptr);
}

TEST_F(Dialogs, OwnerIsDisabledWhileADialogRunsAndComesBackAfter) {
  app.m_pMainWnd = &dialog;
  RunModal(dialog, [&] {
    CProbeDlg inner;
    RunModal(inner, [&] {
      EXPECT_FALSE(WindowOf(dialog)->isEnabled());
      EXPECT_TRUE(WindowOf(inner)->isEnabled());
      EXPECT_EQ(WindowOf(inner)->windowHandle()->transientParent(),
                WindowOf(dialog)->windowHandle());
      inner.EndDialog(IDOK);
    });
    EXPECT_TRUE(WindowOf(dialog)->isEnabled());
    dialog.EndDialog(IDOK);
  });
  app.m_pMainWnd = nullptr;
}

TEST_F(Dialogs, MessageBoxShowsTheTextUnderTheApplicationName) {
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    EXPECT_EQ(dialog.MessageBoxA("Set bits failed"), IDOK);
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, "Set bits failed");
  EXPECT_EQ(boxes.Boxes()[0].caption, QCoreApplication::applicationName());
}

TEST_F(Dialogs, ControlsArePlacedInDialogUnitsOfTheFont) {
  RunModal(dialog, [&] {
    const QRect flat = ControlOf(dialog, IDC_PROBE_FLAT)->geometry();
    const QRect edit = ControlOf(dialog, IDC_PROBE_EDIT)->geometry();
    const QRect check = ControlOf(dialog, IDC_PROBE_CHECK)->geometry();
    // Flat button 20 x 14 at (10, 15); edit 60 x 14 at (10, 50); check box at (10, 35).
    EXPECT_EQ(flat.left(), edit.left());
    EXPECT_NEAR(edit.width(), 3 * flat.width(), 2);
    EXPECT_EQ(edit.height(), flat.height());
    EXPECT_NEAR(check.top() - flat.top(), 20 * flat.height() / 14.0, 2);
    const QFontMetrics metrics(WindowOf(dialog)->font());
    EXPECT_NEAR(WindowOf(dialog)->height(), 100 * metrics.height() / 8.0, 1);
    dialog.EndDialog(IDOK);
  });
}

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 7, 4), 9);
  EXPECT_EQ(MulDiv(2, 3, 4), 2);
  EXPECT_EQ(MulDiv(-2, 3, 4), -2);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
