#include <gtest/gtest.h>

#include "platform/additions.h"
#include "platform/cslider_ctrl.h"
#include "platform/cwinapp.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

namespace {

using Log = std::vector<std::string>;
using Items = std::vector<std::string>;

class Controls : public ProbeTest {
 protected:
  LRESULT AddItem(const char* item) {
    return dialog.GetDlgItem(IDC_PROBE_LIST)
        ->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }

  LRESULT SelectString(int start, const char* text) {
    return dialog.GetDlgItem(IDC_PROBE_LIST)
        ->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
  }
};

// A sorted list inserts at the case-insensitive place without selecting; a selection by prefix
// starts after the given item and wraps round to the top.
TEST_F(Controls, SortedListInsertsInPlaceAndSelectsByPrefix) {
  InProbe([&] {
    for (const char* item : {"worldspawn", "trigger_once", "Trigger_fog", "target_b"}) {
      AddItem(item);
    }
    EXPECT_EQ(AddItem("target_A"), 0);
    EXPECT_EQ(ListItems(dialog, IDC_PROBE_LIST),
              Items({"target_A", "target_b", "Trigger_fog", "trigger_once", "worldspawn"}));
    EXPECT_EQ(dialog.GetDlgItem(IDC_PROBE_LIST)->SendMessage(CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(SelectString(0, "trigger_"), 2);
    EXPECT_EQ(SelectString(2, "TRIGGER_"), 3);
    EXPECT_EQ(SelectString(3, "t"), 0);
    EXPECT_EQ(SelectString(-1, "trigger_once"), 3);
    EXPECT_EQ(SelectString(3, "trigger_once"), 3);  // only itself matches: found last
    EXPECT_EQ(SelectString(0, "nothing"), CB_ERR);
    EXPECT_EQ(TextOf(dialog, IDC_PROBE_LIST), "trigger_once");
  });
  EXPECT_TRUE(dialog.log.empty());
}

TEST_F(Controls, ClicksNotifyAndSetCheckDoesNot) {
  InProbe([&] {
    Click(dialog, IDC_PROBE_CHECK);
    EXPECT_TRUE(IsChecked(dialog, IDC_PROBE_CHECK));
    dialog.GetDlgItem(IDC_PROBE_CHECK)->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_FALSE(IsChecked(dialog, IDC_PROBE_CHECK));
    Click(dialog, IDC_PROBE_FLAT);
  });
  EXPECT_EQ(dialog.log, Log({"clicked 11", "clicked 10"}));
}

TEST_F(Controls, SliderKeepsItsRangeAndPositionWithoutNotifying) {
  InProbe([&] {
    auto* slider = static_cast<CSliderCtrl*>(dialog.GetDlgItem(IDC_PROBE_SLIDER));
    slider->SetRange(0, 100, TRUE);
    slider->SendMessage(TBM_SETPOS, TRUE, 30);
    EXPECT_EQ(slider->SendMessage(TBM_GETPOS), 30);
    slider->SendMessage(TBM_SETPOS, TRUE, 250);
    EXPECT_EQ(slider->SendMessage(TBM_GETPOS), 100);
    slider->SetRange(10, 20, TRUE);
    EXPECT_EQ(slider->SendMessage(TBM_GETPOS), 20);
  });
  EXPECT_TRUE(dialog.log.empty());
}

// A notification is read only when it is readable and comes from the control it names: junk
// that another program sends is ignored, not followed.
TEST_F(Controls, OnlyTheDialogsOwnControlsNotify) {
  InProbe([&] {
    const HWND slider = dialog.GetDlgItem(IDC_PROBE_SLIDER)->m_hWnd;
    const HWND edit = dialog.GetDlgItem(IDC_PROBE_EDIT)->m_hWnd;
    const auto notify = [&](WPARAM id, const NMHDR* header) {
      dialog.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(header));
    };
    const auto junk = reinterpret_cast<const NMHDR*>(0x10);
    const NMHDR fromEdit{edit, IDC_PROBE_SLIDER, NM_RELEASEDCAPTURE};
    const NMHDR wrongId{slider, IDC_PROBE_EDIT, NM_RELEASEDCAPTURE};
    const NMHDR real{slider, IDC_PROBE_SLIDER, NM_RELEASEDCAPTURE};
    notify(IDC_PROBE_SLIDER, junk);
    notify(IDC_PROBE_SLIDER, nullptr);
    notify(IDC_PROBE_SLIDER, &fromEdit);
    notify(IDC_PROBE_SLIDER, &wrongId);
    notify(IDC_PROBE_EDIT, &real);
    notify(IDC_PROBE_SLIDER, &real);
  });
  EXPECT_EQ(dialog.log, Log({"released 17 at 0"}));
}

}  // namespace
