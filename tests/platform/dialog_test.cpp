#include <gtest/gtest.h>

#include "platform/additions.h"
#include "platform/detail/placement.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

using Dialogs = ProbeTest;

// DoModal returns what ended the run; -1 for a missing template or a dialog that runs already.
TEST_F(Dialogs, DoModalReturnsWhatEndedIt) {
  EXPECT_EQ(RunModal(dialog, [&] { Click(dialog, IDOK); }), IDOK);
  EXPECT_EQ(RunModal(dialog,
                     [&] {
                       EXPECT_EQ(dialog.DoModal(), -1);
                       dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
                     }),
            IDCANCEL);
  EXPECT_EQ(RunModal(dialog, [&] { dialog.EndDialog(7); }), 7);
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

TEST(Placement, CentresOverTheOwnerAndStaysOnTheWorkArea) {
  using platform::detail::CentredWithin;
  const RECT screen{0, 0, 1000, 800};
  const RECT frame{0, 0, 200, 100};
  using Corner = std::pair<LONG, LONG>;
  const auto at = [](POINT corner) { return Corner(corner.x, corner.y); };
  EXPECT_EQ(at(CentredWithin(frame, screen, screen)), Corner(400, 350));
  EXPECT_EQ(at(CentredWithin(frame, RECT{100, 100, 300, 200}, screen)), Corner(100, 100));
  EXPECT_EQ(at(CentredWithin(frame, RECT{900, 750, 1000, 800}, screen)), Corner(800, 700));
  EXPECT_EQ(at(CentredWithin(frame, RECT{-300, -300, -100, -200}, screen)), Corner(0, 0));
  EXPECT_EQ(at(CentredWithin(RECT{0, 0, 1200, 900}, screen, screen)), Corner(0, 0));
  const RECT second{1000, 0, 2000, 800};
  EXPECT_EQ(at(CentredWithin(frame, second, second)), Corner(1400, 350));
}

}  // namespace
