#include "platform/qt/controls/read_only_edit_accessible.h"

#include <QLineEdit>

namespace platform::qt {

ReadOnlyEditAccessible::ReadOnlyEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* ReadOnlyEditAccessible::Edit() const {
  return static_cast<QLineEdit*>(widget());
}

void* ReadOnlyEditAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) {
    return static_cast<QAccessibleTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyEditAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.editable = false;
  state.selectableText = true;
  return state;
}

QString ReadOnlyEditAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) {
    return Edit()->text();
  }
  return QAccessibleWidget::text(kind);
}

void ReadOnlyEditAccessible::setText(QAccessible::Text, const QString&) {}

void ReadOnlyEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex == 0 && Edit()->hasSelectedText()) {
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
  }
}

int ReadOnlyEditAccessible::selectionCount() const {
  return Edit()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyEditAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void ReadOnlyEditAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) {
    Edit()->deselect();
  }
}

void ReadOnlyEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) {
    Edit()->setSelection(startOffset, endOffset - startOffset);
  }
}

int ReadOnlyEditAccessible::cursorPosition() const {
  return Edit()->cursorPosition();
}

void ReadOnlyEditAccessible::setCursorPosition(int position) {
  Edit()->setCursorPosition(position);
}

QString ReadOnlyEditAccessible::text(int startOffset, int endOffset) const {
  return Edit()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyEditAccessible::characterCount() const {
  return static_cast<int>(Edit()->text().size());
}

QRect ReadOnlyEditAccessible::characterRect(int offset) const {
  const QFontMetrics metrics = Edit()->fontMetrics();
  const QString text = Edit()->text();
  const QRect inner = Edit()->contentsRect();
  const int left = metrics.horizontalAdvance(text.left(offset));
  const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
  const QRect local(inner.left() + left, inner.top(), width, inner.height());
  return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
}

int ReadOnlyEditAccessible::offsetAtPoint(const QPoint& point) const {
  return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void ReadOnlyEditAccessible::scrollToSubstring(int, int endIndex) {
  Edit()->setCursorPosition(endIndex);
}

QString ReadOnlyEditAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

}  // namespace platform::qt
