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
  items.at(7).pasteItem = "Paste &Value";  // the value field's
  withPaste.items = items;
  withPaste.accelerators = kKeys;
  ResourceTable table = *ProbeResources();
  table.dialogs = {&withPaste, 1};
  platform::SetResourceTable(&table);
  InProbe([&] {
    dialog.GetDlgItem(IDC_PROBE_EDIT)->SetWindowTextA("42");
    for (int id : {IDC_PROBE_EDIT, IDC_PROBE_LIST, IDC_PROBE_CHECK, IDC_PROBE_SLIDER}) {
      Focus(id);
      Key(Qt::Key_K, Qt::ControlModifier);
    }
    EXPECT_EQ(ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT)->text(), "42");
    Focus(IDC_PROBE_EDIT);
    Key(Qt::Key_V, Qt::ControlModifier);
    Focus(IDC_PROBE_CHECK);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    Key(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
  });
  platform::SetResourceTable(ProbeResources());
  EXPECT_EQ(dialog.log, Log(5, "key command"));
}

// Greyed where it cannot act, doing the choice; Ctrl+Insert with nothing selected copies the
// whole value (where this session may use the clipboard).
TEST_F(ControlsByHand, ValueFieldMenuAndCopyKeyWork) {
  const bool clipboard = SetClipboardText("");
  InProbe([&] {
    auto* field = ControlAs<QLineEdit>(dialog, IDC_PROBE_EDIT);
    EXPECT_EQ(UseContextMenu(field), QStringList({"(Copy)", "", "(Select All)"}));
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

// The probe picture's bits: top row first, blue, green, red and a fourth byte that stays opaque
// after any write, so that the picture draws opaque on a compositor's alpha surface (Wayland's).
// A transfer stops at the bitmap's end.
TEST_F(ControlsByHand, PictureBitsAreOpaqueTopRowFirstAndTransfersStopAtTheBitmapsEnd) {
  InProbe([&] {
    const auto bitmap = reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_PROBE_PICTURE)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    std::vector<std::uint8_t> read(36, 0xEE);
    EXPECT_EQ(GetBitmapBits(bitmap, 36, read.data()), 32);
    EXPECT_EQ(std::vector(read.begin(), read.begin() + 12),  // black, grey, (10, 20, 30)
              std::vector<std::uint8_t>({0, 0, 0, 255, 128, 128, 128, 255, 30, 20, 10, 255}));
    EXPECT_EQ(read[32], 0xEE);
    std::array<std::uint8_t, 64> written{};
    for (std::size_t i = 0; i < written.size(); ++i) {
      written[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 0 : 7 * i);
    }
    EXPECT_EQ(SetBitmapBits(bitmap, 64, written.data()), 32);
    EXPECT_EQ(GetBitmapBits(bitmap, 4, read.data()), 4);
    EXPECT_EQ(read[3], 255);
    QWidget* picture = ControlAs(dialog, IDC_PROBE_PICTURE);
    picture->resize(4, 2);  // the bitmap's own size
    QImage drawn(4, 2, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    picture->render(&drawn);
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(drawn.pixel(static_cast<int>(i % 4), static_cast<int>(i / 4)),
                qRgba(written[4 * i + 2], written[4 * i + 1], written[4 * i], 255));
    }
  });
}

// Files only, and only once the dialog takes them; as a copy, never the move proposed: a file
// manager deletes what it moves. Read as a program reads them: the count, a length, the name.
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
    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 1u);
    std::wstring name(DragQueryFileW(drop, 0, nullptr, 0), L'#');
    EXPECT_EQ(DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size() + 1)),
              name.size());
    EXPECT_EQ(name, WideName(dropped));
    EXPECT_EQ(DragQueryFileW(drop, 1, name.data(), static_cast<UINT>(name.size() + 1)), 0u);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 0u);
  });
}

// Over its owner, with the filters in Qt's form; the chosen name comes only where it fits with
// its NUL, as Windows gives it.
TEST_F(ControlsByHand, OpenFileDialogShowsTheFiltersAndGivesTheChosenNameWhereItFits) {
  const PictureFolder folder;
  const std::filesystem::path chosen = folder.Write(u8"caf\u00e9.png", {});
  WCHAR name[260] = L"";
  const WCHAR* filters = L"Pictures (*.png;*.jpg)\0*.png;*.jpg\0All files\0*.*\0";
  const auto room = static_cast<DWORD>(WideName(chosen).size());
  OPENFILENAMEW request{sizeof request, nullptr, filters, name, room, L"Use Picture", 0};
  InProbe([&] {
    request.hwndOwner = dialog.m_hWnd;
    RunWhen(
        [] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
        [&] {
          auto* shown = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
          EXPECT_EQ(shown->nameFilters(), QStringList({"Pictures (*.png *.jpg)", "All files (*)"}));
          EXPECT_EQ(shown->windowTitle(), "Use Picture");
          EXPECT_EQ(shown->parentWidget(), WindowOf(dialog));
          shown->reject();
        });
    EXPECT_FALSE(GetOpenFileNameW(&request));
    WhenFileDialogShows(chosen);
    EXPECT_FALSE(GetOpenFileNameW(&request));  // no room for the NUL
    ++request.nMaxFile;
    WhenFileDialogShows(chosen);
    ASSERT_TRUE(GetOpenFileNameW(&request));
    EXPECT_EQ(std::wstring(name), WideName(chosen));
  });
}

}  // namespace
