#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "platform/additions.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

using Log = std::vector<std::string>;

// The probe dialog worked with the mouse and the keyboard, as a user works it.
class ControlsByHand : public ProbeTest {
 protected:
  QWidget* Window() { return WindowOf(dialog); }
};

TEST_F(ControlsByHand, EnterPressesTheDefaultButtonFromAnyControl) {
  EXPECT_EQ(RunModal(dialog,
                     [&] {
                       ControlOf(dialog, IDC_PROBE_CHECK)->setFocus();
                       PressKey(Window(), Qt::Key_Return);
                     }),
            IDOK);
}

TEST_F(ControlsByHand, OwnedDialogStandsOverItsOwner) {
  app.m_pMainWnd = &dialog;
  InProbe([&] {
    CProbeDlg inner;
    RunModal(inner, [&] {
      EXPECT_EQ(WindowOf(inner)->windowHandle()->transientParent(), Window()->windowHandle());
      inner.EndDialog(IDOK);
    });
  });
  app.m_pMainWnd = nullptr;
}

TEST_F(ControlsByHand, UserChoiceInTheListNotifiesOnce) {
  InProbe([&] {
    for (const char* item : {"alpha", "beta"}) {
      dialog.GetDlgItem(IDC_PROBE_LIST)
          ->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    dialog.GetDlgItem(IDC_PROBE_LIST)
        ->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("alpha"));
    ControlOf(dialog, IDC_PROBE_LIST)->setFocus();
    PressKey(Window(), Qt::Key_Down);
  });
  EXPECT_EQ(dialog.log, Log({"selchange beta"}));
}

TEST_F(ControlsByHand, CheckBoxTakesClicksAnywhereInItsRectangleAndSpace) {
  InProbe([&] {
    auto* box = ControlAs<QCheckBox>(dialog, IDC_PROBE_CHECK);
    ClickAt(box, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    box->setFocus();
    PressKey(Window(), Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
  });
  EXPECT_EQ(dialog.log, Log({"clicked 11", "clicked 11"}));
}

TEST_F(ControlsByHand, ReadOnlyEditRefusesTypingButCopies) {
  SKIP_WITHOUT_CLIPBOARD();
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("1048576");
    auto* edit = ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT);
    edit->setFocus();
    PressKey(Window(), Qt::Key_9);
    PressKey(Window(), Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "1048576");
    QApplication::clipboard()->clear();
    PressKey(Window(), Qt::Key_A, Qt::ControlModifier);
    PressKey(Window(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1048576");
  });
}

TEST_F(ControlsByHand, SliderReportsCaptureReleaseOnceAfterEveryMouseInteraction) {
  InProbe([&] {
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    dialog.GetDlgItem(IDC_PROBE_SLIDER)->SendMessage(TBM_SETPOS, TRUE, 30);

    // A click on the groove, right of the thumb: a page on, released when the button goes up.
    const QPoint groove(slider->width() - 4, slider->height() / 2);
    QTest::mousePress(slider, Qt::LeftButton, {}, groove);
    EXPECT_EQ(GetCapture(), dialog.GetDlgItem(IDC_PROBE_SLIDER)->m_hWnd);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, groove);
    DeliverQueued();
    EXPECT_EQ(GetCapture(), nullptr);

    // A drag of the thumb to the far left, let go outside the slider.
    const QPoint thumb = ThumbCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, QPoint(-40, thumb.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(-40, thumb.y() + 80));
    DeliverQueued();
  });
  EXPECT_EQ(dialog.log, Log({"scroll 3 to 50 captured", "released 17 at 50",
                             "scroll 5 to 0 captured", "released 17 at 0"}));
}

TEST_F(ControlsByHand, SliderKeysAndWheelScrollWithoutCapture) {
  InProbe([&] {
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    dialog.GetDlgItem(IDC_PROBE_SLIDER)->SendMessage(TBM_SETPOS, TRUE, 50);
    slider->setFocus();
    PressKey(Window(), Qt::Key_Right);
    PressKey(Window(), Qt::Key_Home);
    PressKey(Window(), Qt::Key_End);
    QWheelEvent wheel(QPointF(5, 5), slider->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    DeliverQueued();
  });
  ASSERT_EQ(dialog.log.size(), 4u) << testing::PrintToString(dialog.log);
  EXPECT_EQ(dialog.log[0], "scroll 1 to 51");
  EXPECT_EQ(dialog.log[1], "scroll 6 to 0");
  EXPECT_EQ(dialog.log[2], "scroll 7 to 100");
  EXPECT_EQ(dialog.log[3].rfind("scroll 0 to ", 0), 0u) << dialog.log[3];
}

// The probe with Ctrl+V a command of the dialog as well, and a value field that takes pastes:
// Ctrl+V is then a key of the field's own, as in the Fog helper.
const ResourceTable* ProbeWithPasteCommand() {
  static constexpr DialogAccelerator kKeys[] = {{'K', true, false, ID_PROBE_KEY},
                                                {'V', true, false, ID_PROBE_KEY}};
  const DialogTemplate& probe = ProbeResources()->dialogs.front();
  static std::vector<DialogItemTemplate> items(probe.items.begin(), probe.items.end());
  for (DialogItemTemplate& item : items) {
    item.pasteItem = item.id == IDC_PROBE_EDIT ? "Paste &Value" : nullptr;
  }
  static DialogTemplate withPaste = probe;
  withPaste.items = items;
  withPaste.accelerators = kKeys;
  static ResourceTable table = *ProbeResources();
  table.dialogs = {&withPaste, 1};
  return &table;
}

TEST_F(ControlsByHand, DialogKeysGiveTheirCommandFromAnyControlButAValueFieldKeepsItsOwn) {
  platform::SetResourceTable(ProbeWithPasteCommand());
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    // Controls that would take Ctrl+K themselves: a line edit (deleting to the line's end), a
    // list (searching for "k").
    for (int id : {IDC_PROBE_EDIT, IDC_PROBE_LIST, IDC_PROBE_CHECK, IDC_PROBE_SLIDER}) {
      ControlOf(dialog, id)->setFocus();
      PressKey(Window(), Qt::Key_K, Qt::ControlModifier);
    }
    EXPECT_EQ(ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT)->text(), "42");
    ControlOf(dialog, IDC_PROBE_EDIT)->setFocus();
    PressKey(Window(), Qt::Key_V, Qt::ControlModifier);
    ControlOf(dialog, IDC_PROBE_CHECK)->setFocus();
    PressKey(Window(), Qt::Key_V, Qt::ControlModifier);
    PressKey(Window(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    PressKey(Window(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
  });
  EXPECT_EQ(dialog.log, Log(5, "key command"));
}

}  // namespace
