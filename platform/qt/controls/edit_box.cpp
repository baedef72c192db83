#include "platform/qt/controls/edit_box.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <algorithm>

#include "platform/detail/value_field.h"
#include "platform/qt/controls/controls.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/virtual_keys.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

EditBox::EditBox(HWND handle, const DialogItemTemplate& item, QWidget* parent)
    : QLineEdit(FromAnsi(item.text), parent), m_handle(handle), m_pasteItem(item.pasteItem) {}

std::optional<detail::ValueFieldCommand> EditBox::CommandOf(const QKeyEvent& event) const {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  return detail::ValueFieldKey(VirtualKeyOf(event.key()), modifiers == Qt::ControlModifier,
                               modifiers == Qt::ShiftModifier,
                               isReadOnly() && m_pasteItem != nullptr);
}

// The field's own keys are the field's, even where its dialog gives the same key a command.
bool EditBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && CommandOf(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  if (const auto command = CommandOf(*event)) {
    detail::RunValueFieldCommand(m_handle, *command);
    return;
  }
  // Qt's own copy would copy only a selection; a value field copies whole values.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste)) {
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void EditBox::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = event->globalPos();
  detail::ShowValueFieldMenu(m_handle, {at.x(), at.y()}, isReadOnly() ? m_pasteItem : nullptr);
}

namespace {

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* edit = static_cast<EditBox*>(WidgetOf(hWnd));
  switch (message) {
    case WM_COPY:
      detail::RunValueFieldCommand(hWnd, detail::ValueFieldCommand::kCopy);
      return 0;
    case WM_PASTE:
      if (edit->isReadOnly() && edit->PasteItem() != nullptr) {
        detail::RunValueFieldCommand(hWnd, detail::ValueFieldCommand::kPaste);
      }
      return 0;
    case EM_GETSEL: {
      const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
      const int end = edit->hasSelectedText() ? edit->selectionEnd() : start;
      if (wParam != 0) {
        *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
      }
      if (lParam != 0) {
        *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
      }
      return MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end));
    }
    case EM_SETSEL: {
      // As on Windows: -1 as the start removes the selection, -1 as the end reaches the end.
      const auto length = static_cast<int>(edit->text().size());
      const auto start = static_cast<int>(static_cast<INT_PTR>(wParam));
      const auto end = static_cast<int>(lParam);
      if (start < 0) {
        edit->deselect();
      } else {
        const int from = std::min(start, length);
        edit->setSelection(from, (end < 0 ? length : std::min(end, length)) - from);
      }
      return 0;
    }
    default:
      return TextWindowProc<QLineEdit, &QLineEdit::text, &QLineEdit::setText>(hWnd, message, wParam,
                                                                              lParam);
  }
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
