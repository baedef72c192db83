#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "platform/cslider_ctrl.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "probe_dialog.h"
#include "tests/support/gui_test_support.h"

namespace {

using Log = std::vector<std::string>;

class Controls : public testing::Test {
 protected:
  void SetUp() override { AfxSetResourceHandle(ProbeResources()); }

  // Runs the steps in an open probe dialog, then closes it.
  void InProbe(const std::function<void()>& steps) {
    RunModal(dialog, [&] {
      steps();
      dialog.EndDialog(IDOK);
    });
  }

  void AddItems(std::initializer_list<const char*> items) {
    for (const char* item : items) {
      dialog.GetDlgItem(IDC_PROBE_LIST)
          ->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
  }

  LRESULT SelectString(int start, const char* text) {
    return dialog.GetDlgItem(IDC_PROBE_LIST)
        ->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
  }

  std::string ListText() {
    CString text;
    dialog.GetDlgItem(IDC_PROBE_LIST)->GetWindowTextA(text);
    return static_cast<const char*>(text);
  }

  CWinApp app;
  CProbeDlg dialog;
};

TEST_F(Controls, SortedListInsertsAtTheCaseInsensitivePlaceWithoutSelecting) {
  InProbe([&] {
    const auto* list = ControlAs<QComboBox>(dialog, IDC_PROBE_LIST);
    AddItems({"worldspawn", "Trigger_fog"});
    EXPECT_EQ(dialog.GetDlgItem(IDC_PROBE_LIST)
                  ->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("target_b")),
              0);
    AddItems({"target_A"});
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
      items << list->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"target_A", "target_b", "Trigger_fog", "worldspawn"}));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(ListText(), "");
  });
  EXPECT_TRUE(dialog.log.empty());
}

TEST_F(Controls, SelectStringFindsThePrefixAfterTheStartAndWrapsQuietly) {
  InProbe([&] {
    AddItems({"target_humans_win", "target_aliens_win", "trigger_fog", "worldspawn", "trigger_once",
              "trigger_multiple"});
    EXPECT_EQ(SelectString(0, "trigger_multiple"), 3);
    EXPECT_EQ(ListText(), "trigger_multiple");
    EXPECT_EQ(SelectString(3, "trigger_"), 4);
    EXPECT_EQ(SelectString(4, "t"), 0);  // past the end, round to the top
    EXPECT_EQ(SelectString(-1, "TRIGGER_F"), 2);
    EXPECT_EQ(SelectString(2, "trigger_fog"), 2);  // only itself matches: found last
    EXPECT_EQ(SelectString(0, "nothing"), CB_ERR);
    EXPECT_EQ(ListText(), "trigger_fog");
  });
  EXPECT_TRUE(dialog.log.empty());
}

TEST_F(Controls, UserChoiceInTheListNotifiesOnce) {
  InProbe([&] {
    AddItems({"alpha", "beta"});
    SelectString(-1, "alpha");
    QWidget* list = ControlOf(dialog, IDC_PROBE_LIST);
    list->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_Down);
  });
  EXPECT_EQ(dialog.log, Log({"selchange beta"}));
}

TEST_F(Controls, CheckBoxTakesClicksAnywhereInItsRectangleAndSpace) {
  InProbe([&] {
    auto* box = ControlAs<QCheckBox>(dialog, IDC_PROBE_CHECK);
    ClickAt(box, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    box->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
    Click(ControlOf(dialog, IDC_PROBE_FLAT));
  });
  EXPECT_EQ(dialog.log, Log({"clicked 11", "clicked 11", "clicked 10"}));
}

TEST_F(Controls, ReadOnlyEditRefusesTypingButCopies) {
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("1048576");
    auto* edit = ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT);
    edit->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_9);
    PressKey(WindowOf(dialog), Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "1048576");
    QApplication::clipboard()->clear();
    PressKey(WindowOf(dialog), Qt::Key_A, Qt::ControlModifier);
    PressKey(WindowOf(dialog), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1048576");
  });
}

TEST_F(Controls, SliderKeepsRangeAndPositionWithoutNotifying) {
  InProbe([&] {
    auto* slider = static_cast<CSliderCtrl*>(dialog.GetDlgItem(IDC_PROBE_SLIDER));
    slider->SetRange(0, 100, TRUE);
    slider->SendMessage(TBM_SETPOS, TRUE, 30);
    EXPECT_EQ(slider->SendMessage(TBM_GETPOS), 30);
    slider->SendMessage(TBM_SETPOS, TRUE, 250);
    EXPECT_EQ(slider->SendMessage(TBM_GETPOS), 100);
  });
  EXPECT_TRUE(dialog.log.empty());
}

TEST_F(Controls, SliderReportsCaptureReleaseOnceAfterEveryMouseInteraction) {
  InProbe([&] {
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    dialog.GetDlgItem(IDC_PROBE_SLIDER)->SendMessage(TBM_SETPOS, TRUE, 30);

    // A click on the groove, right of the thumb: a page on, released when the button goes up.
    QTest::mousePress(slider, Qt::LeftButton, {},
                      QPoint(slider->width() - 4, slider->height() / 2));
    EXPECT_EQ(GetCapture(), dialog.GetDlgItem(IDC_PROBE_SLIDER)->m_hWnd);
    QTest::mouseRelease(slider, Qt::LeftButton, {},
                        QPoint(slider->width() - 4, slider->height() / 2));
    DeliverQueued();
    EXPECT_EQ(GetCapture(), nullptr);

    // A drag of the thumb to the far left, let go outside the slider.
    const QPoint thumb = ThumbCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, QPoint(-40, thumb.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(-40, thumb.y() + 80));
    DeliverQueued();
  });
  ASSERT_EQ(dialog.log.size(), 4u) << testing::PrintToString(dialog.log);
  EXPECT_EQ(dialog.log[0], "scroll 3 to 50 captured");
  EXPECT_EQ(dialog.log[1], "released 17 at 50");
  EXPECT_EQ(dialog.log[2], "scroll 5 to 0 captured");
  EXPECT_EQ(dialog.log[3], "released 17 at 0");
}

TEST_F(Controls, SliderKeysAndWheelScrollWithoutCapture) {
  InProbe([&] {
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    dialog.GetDlgItem(IDC_PROBE_SLIDER)->SendMessage(TBM_SETPOS, TRUE, 50);
    slider->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_Right);
    PressKey(WindowOf(dialog), Qt::Key_Home);
    PressKey(WindowOf(dialog), Qt::Key_End);
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

TEST_F(Controls, PictureShowsItsBitmapUntilTheDialogGoes) {
  HBITMAP shown = nullptr;
  InProbe([&] {
    shown = reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_PROBE_PICTURE)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    std::uint8_t first[4] = {};
    EXPECT_EQ(GetBitmapBits(shown, 4, first), 4);
    const QImage drawn = ControlOf(dialog, IDC_PROBE_PICTURE)->grab().toImage();
    // The top left of the picture is its black pixel, scaled up.
    EXPECT_LT(qGray(drawn.pixel(drawn.width() / 8, drawn.height() / 4)), 40);
  });
  std::uint8_t after[4] = {};
  EXPECT_EQ(GetBitmapBits(shown, 4, after), 0);
}

TEST_F(Controls, PictureWithoutItsBitmapShowsNothing) {
  AfxSetResourceHandle(ProbeResources(false));
  InProbe([&] {
    EXPECT_EQ(dialog.GetDlgItem(IDC_PROBE_PICTURE)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP), 0);
  });
}

}  // namespace
