#pragma once

#include <QLineEdit>

#include "platform/resource_table.h"
#include "platform/win_types.h"

namespace platform::qt {

// An edit box; the program's are all read-only. Copy (Ctrl+C or the menu) with nothing
// selected copies the whole value, so that a click and Ctrl+C never leave the old clipboard to
// go into the map. One whose template item takes pasted values passes Ctrl+V and its menu's
// "Paste Value" on to its dialog, which decides what the pasted text means.
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(HWND handle, const DialogItemTemplate& item, QWidget* parent);

  bool TakesPastedValue() const { return m_takesPastedValue; }
  // The selection, or the whole text when nothing is selected.
  void CopyValue();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  HWND m_handle;
  bool m_takesPastedValue;
};

}  // namespace platform::qt
