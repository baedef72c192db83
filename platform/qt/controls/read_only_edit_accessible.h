#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLineEdit;

namespace platform::qt {

// What assistive tools see of a read-only edit box: its text, to read, select and follow the
// caret through, and no way to change it. Qt's own line edit interface lets them replace or
// paste the text even when the box is read-only; here the box is the program's only output, so
// every write is refused.
class ReadOnlyEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ReadOnlyEditAccessible(QLineEdit* edit);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text kind, const QString& text) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QLineEdit* Edit() const;
};

}  // namespace platform::qt
