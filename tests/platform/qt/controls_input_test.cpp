#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

using Log = std::vector<std::string>;

// Asks for the widget's context menu with the mouse and chooses the item starting with `choice`,
// if any, as a user does. The items' texts: a greyed one in brackets, a separator empty.
QStringList UseContextMenu(QWidget* widget, const QString& choice = {}) {
  const auto items = std::make_shared<QStringList>();  // outlives a menu that never shows
  RunWhen([] { return QApplication::activePopupWidget() != nullptr; },
          [items, choice] {
            auto* menu = dynamic_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu->actions()) {
              const QString text = action->text().remove('&').split('\t').first();
              *items << (action->isEnabled() ? text : '(' + text + ')');
              if (!choice.isEmpty() && text.startsWith(choice)) {
                menu->setActiveAction(action);
              }
            }
            QTest::keyClick(menu, choice.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
          });
  const QPoint at = widget->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
  return *items;
}

// The probe dialog worked with the mouse and the keyboard, as a user works it.
class ControlsByHand : public ProbeTest {
 protected:
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(WindowOf(dialog), key, modifiers);
  }
};

TEST_F(ControlsByHand, EnterPressesTheDefaultButtonFromAnyControl) {
  EXPECT_EQ(RunModal(dialog,
                     [&] {
                       ControlOf(dialog, IDC_PROBE_CHECK)->setFocus();
                       Key(Qt::Key_Return);
                     }),
            IDOK);
}

TEST_F(ControlsByHand, OwnedDialogStandsOverItsOwner) {
  app.m_pMainWnd = &dialog;
  InProbe([&] {
    CProbeDlg inner;
    RunModal(inner, [&] {
      EXPECT_EQ(WindowOf(inner)->windowHandle()->transientParent(),
                WindowOf(dialog)->windowHandle());
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
    dialog.GetDlgItem(IDC_PROBE_LIST)->SendMessage(CB_SETCURSEL, 0);
    ControlOf(dialog, IDC_PROBE_LIST)->setFocus();
    Key(Qt::Key_Down);
  });
  EXPECT_EQ(dialog.log, Log({"selchange beta"}));
}

TEST_F(ControlsByHand, CheckBoxTakesClicksAnywhereInItsRectangleAndSpace) {
  InProbe([&] {
    auto* box = ControlAs<QCheckBox>(dialog, IDC_PROBE_CHECK);
    ClickAt(box, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    box->setFocus();
    Key(Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
  });
  EXPECT_EQ(dialog.log, Log({"clicked 11", "clicked 11"}));
}

TEST_F(ControlsByHand, SliderHeldByTheMouseLetsGoWhenTheDialogCloses) {
  InProbe([&] {
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    QTest::mousePress(slider, Qt::LeftButton, {}, ThumbCentre(slider));
    EXPECT_EQ(GetCapture(), dialog.GetDlgItem(IDC_PROBE_SLIDER)->m_hWnd);
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(GetCapture(), nullptr);
}

// Pixels as they are, opaque even where the program wrote a zero fourth byte, as a compositor's
// alpha surface (Wayland's) receives them.
TEST_F(ControlsByHand, PictureDrawsItsBitmapOpaque) {
  InProbe([&] {
    std::vector<std::uint8_t> bits(32);
    for (std::size_t i = 0; i < bits.size(); ++i) {
      bits[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 0 : 7 * i);
    }
    SetBitmapBits(
        reinterpret_cast<HBITMAP>(
            dialog.GetDlgItem(IDC_PROBE_PICTURE)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP)),
        32, bits.data());
    QWidget* picture = ControlOf(dialog, IDC_PROBE_PICTURE);
    picture->resize(4, 2);  // the bitmap's own size
    QImage drawn(4, 2, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    picture->render(&drawn);
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(drawn.pixel(i % 4, i / 4),
                qRgba(bits[4 * i + 2], bits[4 * i + 1], bits[4 * i], 255));
    }
  });
}

TEST_F(ControlsByHand, ValueFieldMenuShowsItsItemsAndDoesTheChoice) {
  InProbe([&] {
    QWidget* field = ControlOf(dialog, IDC_PROBE_EDIT);
    EXPECT_EQ(UseContextMenu(field), QStringList({"(Copy)", "", "(Select All)"}));
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    EXPECT_EQ(UseContextMenu(field, "Select All"), QStringList({"Copy", "", "Select All"}));
    EXPECT_EQ(ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT)->selectedText(), "42");
  });
}

// Its own copy key reaches a value field's copy of the whole value.
TEST_F(ControlsByHand, CtrlInsertCopiesAValueField) {
  SKIP_WITHOUT_CLIPBOARD();
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    ControlOf(dialog, IDC_PROBE_EDIT)->setFocus();
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "42");
  });
}

// The probe with Ctrl+V a command of the dialog as well, and a value field that takes pastes:
// Ctrl+V is then a key of the field's own, as in the Fog helper.
const ResourceTable* ProbeWithPasteCommand() {
  static constexpr DialogAccelerator kKeys[] = {{'K', true, false, ID_PROBE_KEY},
                                                {'V', true, false, ID_PROBE_KEY}};
  static DialogTemplate withPaste = ProbeResources()->dialogs.front();
  static std::vector<DialogItemTemplate> items(withPaste.items.begin(), withPaste.items.end());
  for (DialogItemTemplate& item : items) {
    item.pasteItem = item.id == IDC_PROBE_EDIT ? "Paste &Value" : nullptr;
  }
  withPaste.items = items;
  withPaste.accelerators = kKeys;
  static ResourceTable table = *ProbeResources();
  table.dialogs = {&withPaste, 1};
  return &table;
}

// Caught at the window, before controls that would take Ctrl+K themselves: a line edit
// (deleting to the line's end), a list (searching for "k").
TEST_F(ControlsByHand, DialogKeysGiveTheirCommandFromAnyControlButAValueFieldKeepsItsOwn) {
  platform::SetResourceTable(ProbeWithPasteCommand());
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    for (int id : {IDC_PROBE_EDIT, IDC_PROBE_LIST, IDC_PROBE_CHECK, IDC_PROBE_SLIDER}) {
      ControlOf(dialog, id)->setFocus();
      Key(Qt::Key_K, Qt::ControlModifier);
    }
    EXPECT_EQ(ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT)->text(), "42");
    ControlOf(dialog, IDC_PROBE_EDIT)->setFocus();
    Key(Qt::Key_V, Qt::ControlModifier);
    ControlOf(dialog, IDC_PROBE_CHECK)->setFocus();
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    Key(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
  });
  EXPECT_EQ(dialog.log, Log(5, "key command"));
}

// The picture offers no menu of its own: the dialog's, asked for at a point on the picture.
TEST(FogByHand, PictureMenuIsTheDialogs) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  RunModal(dialog, [&] {
    EXPECT_EQ(UseContextMenu(ControlOf(dialog, IDC_FOG_PREVIEW)),
              QStringList({"Use Picture...", "(Use Sample Picture)"}));
    dialog.EndDialog(IDOK);
  });
}

}  // namespace
