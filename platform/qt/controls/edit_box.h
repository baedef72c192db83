#pragma once

#include <QLineEdit>
#include <optional>

#include "platform/detail/value_field.h"

#include "platform/resource_table.h"
#include "platform/win_types.h"

namespace platform::qt {

// An edit box; the program's are all read-only value fields. Their copy and paste keys and
// their context menu are the layer's (platform/detail/value_field.h); the box only hands them on.
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(HWND handle, const DialogItemTemplate& item, QWidget* parent);

  // The context menu's paste item, null for a box that takes no paste.
  LPCSTR PasteItem() const { return m_pasteItem; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // What a key does in the field, if it is one of a value field's keys.
  std::optional<detail::ValueFieldCommand> CommandOf(const QKeyEvent& event) const;

  HWND m_handle;
  LPCSTR m_pasteItem;
};

}  // namespace platform::qt
