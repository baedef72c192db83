#include <gtest/gtest.h>

#include <QtWidgets>
#include <cstdint>
#include <memory>

#include "platform/additions.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/picture_files.h"
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
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    PressKey(WindowOf(dialog), key, modifiers);
  }
  void Focus(int id) { ControlAs(dialog, id)->setFocus(); }
};

// Each key goes to the control with the focus, once; a check box takes a click anywhere in its
// rectangle; Enter presses the default button from any control, and a slider held by the mouse
// lets go when the dialog closes.
TEST_F(ControlsByHand, KeysAndClicksReachTheirControlAndEnterTheDefaultButton) {
  const INT_PTR ended = RunModal(dialog, [&] {
    for (const char* item : {"alpha", "beta"}) {
      dialog.GetDlgItem(IDC_PROBE_LIST)
          ->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    dialog.GetDlgItem(IDC_PROBE_LIST)->SendMessage(CB_SETCURSEL, 0);
    Focus(IDC_PROBE_LIST);
    Key(Qt::Key_Down);
    auto* box = ControlAs<QCheckBox>(dialog, IDC_PROBE_CHECK);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    Focus(IDC_PROBE_CHECK);
    Key(Qt::Key_Space);
    auto* slider = ControlAs<QSlider>(dialog, IDC_PROBE_SLIDER);
    QTest::mousePress(slider, Qt::LeftButton, {}, ThumbCentre(slider));
    EXPECT_EQ(GetCapture(), dialog.GetDlgItem(IDC_PROBE_SLIDER)->m_hWnd);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(ended, IDOK);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(dialog.log, Log({"selchange beta", "clicked 11", "clicked 11"}));
}

// Caught at the window, before controls that would take Ctrl+K themselves: a line edit
// (deleting to the line's end), a list (searching for "k"). With Ctrl+V a command as well and a
// value field that takes pastes, Ctrl+V there is the field's own, as in the Fog helper.
TEST_F(ControlsByHand, DialogKeysGiveTheirCommandFromAnyControlButAValueFieldKeepsItsOwn) {
  static constexpr DialogAccelerator kKeys[] = {{'K', true, false, ID_PROBE_KEY},
                                                {'V', true, false, ID_PROBE_KEY}};
  DialogTemplate withPaste = ProbeResources()->dialogs.front();
  std::vector<DialogItemTemplate> items(withPaste.items.begin(), withPaste.items.end());
  std::find_if(items.begin(), items.end(), [](const auto& item) {
    return item.id == IDC_PROBE_EDIT;
  })->pasteItem = "Paste &Value";
  withPaste.items = items;
  withPaste.accelerators = kKeys;
  ResourceTable table = *ProbeResources();
  table.dialogs = {&withPaste, 1};
  platform::SetResourceTable(&table);
  InProbe([&] {
    for (int id : {IDC_PROBE_EDIT, IDC_PROBE_LIST, IDC_PROBE_CHECK, IDC_PROBE_SLIDER}) {
      Focus(id);
      Key(Qt::Key_K, Qt::ControlModifier);
    }
    Focus(IDC_PROBE_EDIT);
    Key(Qt::Key_V, Qt::ControlModifier);
    Focus(IDC_PROBE_CHECK);
    Key(Qt::Key_V, Qt::ControlModifier);
  });
  platform::SetResourceTable(ProbeResources());
  EXPECT_EQ(dialog.log, Log(5, "key command"));
}

// Our menu, not Qt's with Cut, Paste and Delete, doing the choice; Ctrl+Insert with nothing
// selected copies the whole value (where this session may use the clipboard).
TEST_F(ControlsByHand, ValueFieldMenuAndCopyKeyWork) {
  const bool clipboard = SetClipboardText("");
  InProbe([&] {
    auto* field = ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT);
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    EXPECT_EQ(UseContextMenu(field, "Select All"), QStringList({"Copy", "", "Select All"}));
    EXPECT_EQ(field->selectedText(), "42");
    field->deselect();  // Qt's own copy would copy nothing then
    Focus(IDC_PROBE_EDIT);
    Key(Qt::Key_Insert, Qt::ControlModifier);
  });
  if (!clipboard) {
    GTEST_SKIP() << "this session cannot put text on the clipboard";
  }
  EXPECT_EQ(QApplication::clipboard()->text(), "42");
}

// The probe picture's bits: top row first, blue, green, red; whatever the fourth byte says, the
// picture draws opaque, as it must on a compositor's alpha surface (Wayland's).
TEST_F(ControlsByHand, PictureBitsAreTopRowFirstAndDrawOpaque) {
  InProbe([&] {
    const auto bitmap = reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_PROBE_PICTURE)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    std::array<std::uint8_t, 32> bits{};
    EXPECT_EQ(GetBitmapBits(bitmap, 32, bits.data()), 32);
    EXPECT_EQ(std::vector(bits.begin(), bits.begin() + 12),  // black, grey, (10, 20, 30)
              std::vector<std::uint8_t>({0, 0, 0, 255, 128, 128, 128, 255, 30, 20, 10, 255}));
    for (std::size_t i = 0; i < bits.size(); ++i) {
      bits[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 0 : 7 * i);
    }
    EXPECT_EQ(SetBitmapBits(bitmap, 32, bits.data()), 32);
    QWidget* picture = ControlAs(dialog, IDC_PROBE_PICTURE);
    picture->resize(4, 2);  // the bitmap's own size
    QImage drawn(4, 2, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    picture->render(&drawn);
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(drawn.pixel(static_cast<int>(i % 4), static_cast<int>(i / 4)),
                qRgba(bits[4 * i + 2], bits[4 * i + 1], bits[4 * i], 255));
    }
  });
}

// Files only, and only once the dialog takes them; as a copy, never the move proposed: a file
// manager deletes what it moves. Read as the Fog helper reads them: a length, then the name.
TEST_F(ControlsByHand, DroppedFilesReachTheDialogByTheirFullNamesOnceItTakesThem) {
  const PictureFolder folder;
  const std::filesystem::path dropped = folder.Write(u8"caf\u00e9 \u65e5\u672c.jpg", {});
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QFile::decodeName(dropped.c_str()))});
  QMimeData text;
  text.setText("level.png");
  InProbe([&] {
    // Over a value field, which leaves drops to its dialog.
    const QPoint field = ControlAs(dialog, IDC_PROBE_EDIT)->geometry().center();
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, files), Qt::IgnoreAction);
    DragAcceptFiles(dialog.m_hWnd, TRUE);
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, text), Qt::IgnoreAction);
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, files), Qt::CopyAction);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.drops.size(), 1u);
    const HDROP drop = dialog.drops.front();
    std::wstring name(DragQueryFileW(drop, 0, nullptr, 0), L'#');
    DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size() + 1));
    EXPECT_EQ(name, WideName(dropped));
    DragFinish(drop);
  });
}

}  // namespace
