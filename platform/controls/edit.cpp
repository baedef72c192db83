#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <memory>

#include "controls.h"
#include "internal/ansi_text.h"
#include "platform/user32.h"

namespace {

// A read-only edit box can still take a paste when its dialog asks for one: the dialog then
// decides what the pasted text means.
bool DialogTakesPaste(HWND control) {
  return control->parent != nullptr && control->parent->wnd != nullptr &&
         control->parent->wnd->HandlesCommand(control->id, EN_PASTEVALUE);
}

class EditBox : public QLineEdit {
 public:
  EditBox(HWND record, const QString& text, QWidget* parent)
      : QLineEdit(text, parent), m_record(record) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (isReadOnly() && event->matches(QKeySequence::Paste)) {
      SendMessageA(m_record, WM_PASTE, 0, 0);
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (isReadOnly() && DialogTakesPaste(m_record)) {
      // Right after Copy, where a paste item stands in any edit box's menu.
      const QList<QAction*> actions = menu->actions();
      const QString copyKeys = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
      const auto copy = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
        return action->text().endsWith(QLatin1Char('\t') + copyKeys);
      });
      QAction* before = copy != actions.end() && copy + 1 != actions.end() ? *(copy + 1) : nullptr;
      auto* pasteValue = new QAction(QStringLiteral("Paste Value"), menu.get());
      const QMimeData* clipboard = QApplication::clipboard()->mimeData();
      pasteValue->setEnabled(clipboard != nullptr && clipboard->hasText());
      connect(pasteValue, &QAction::triggered,
              [record = m_record] { SendMessageA(record, WM_PASTE, 0, 0); });
      menu->insertAction(before, pasteValue);
    }
    menu->exec(event->globalPos());
  }

 private:
  HWND m_record;
};

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* edit = static_cast<QLineEdit*>(hWnd->widget);
  if (message == WM_PASTE) {
    if (!edit->isReadOnly()) {
      edit->paste();
    } else if (DialogTakesPaste(hWnd)) {
      NotifyCommand(hWnd, EN_PASTEVALUE);
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
  auto* edit = new EditBox(control, FromAnsi(item.text), control->parent->widget);
  edit->setReadOnly((item.style & ES_READONLY) != 0);
  edit->setFrame((item.style & WS_BORDER) != 0);
  QPalette palette = edit->palette();
  palette.setBrush(QPalette::Base, palette.window());
  edit->setPalette(palette);
  control->widget = edit;
  control->proc = EditProc;
}
