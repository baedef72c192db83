#include "platform/qt/controls/edit_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <string>

#include "platform/additions.h"
#include "platform/qt/controls/controls.h"
#include "platform/qt/notify.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"

namespace platform::qt {

EditBox::EditBox(HWND handle, const DialogItemTemplate& item, QWidget* parent)
    : QLineEdit(FromAnsi(item.text), parent),
      m_handle(handle),
      m_takesPastedValue(item.takesPastedValue) {}

void EditBox::CopyValue() {
  QApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly() && event->matches(QKeySequence::Paste)) {
    SendMessageA(m_handle, WM_PASTE, 0, 0);
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    CopyValue();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void EditBox::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  const QList<QAction*> actions = menu->actions();
  const QString copyKeys = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
  const auto copy = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
    return action->text().endsWith(QLatin1Char('\t') + copyKeys);
  });
  if (copy != actions.end()) {
    // The whole value when nothing is selected, as Ctrl+C copies it.
    (*copy)->disconnect();
    (*copy)->setEnabled(!text().isEmpty());
    connect(*copy, &QAction::triggered, this, &EditBox::CopyValue);
  }
  if (isReadOnly() && m_takesPastedValue) {
    // Right after Copy, where a paste item stands in any edit box's menu.
    QAction* before = copy != actions.end() && copy + 1 != actions.end() ? *(copy + 1) : nullptr;
    auto* pasteValue = new QAction(QStringLiteral("Paste Value"), menu.get());
    std::string text;
    pasteValue->setEnabled(GetClipboardText(text) != ClipboardRead::kNoText);
    connect(pasteValue, &QAction::triggered,
            [handle = m_handle] { SendMessageA(handle, WM_PASTE, 0, 0); });
    menu->insertAction(before, pasteValue);
  }
  menu->exec(event->globalPos());
}

namespace {

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* edit = static_cast<EditBox*>(WidgetOf(hWnd));
  if (message == WM_PASTE) {
    if (!edit->isReadOnly()) {
      edit->paste();
    } else if (edit->TakesPastedValue()) {
      NotifyCommand(hWnd, kPasteValueNotification);
    }
    return 0;
  }
  return TextWindowProc<QLineEdit, &QLineEdit::text, &QLineEdit::setText>(hWnd, message, wParam,
                                                                          lParam);
}

}  // namespace

// The edit boxes of this program are all read-only: the text can be selected and copied, and
// only the program writes it. Like Windows, they show it on the dialog's background.
void MakeReadOnlyEdit(HWND control, const DialogItemTemplate& item) {
  auto* edit = new EditBox(control, item, DialogWidgetOf(control));
  edit->setReadOnly((item.style & ES_READONLY) != 0);
  edit->setFrame((item.style & WS_BORDER) != 0);
  QPalette palette = edit->palette();
  palette.setBrush(QPalette::Base, palette.window());
  edit->setPalette(palette);
  Window(control)->widget = edit;
  Window(control)->procedure = EditProc;
}

}  // namespace platform::qt
