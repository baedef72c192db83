#include <QAction>
#include <QMenu>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/detail/backend_contract.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/handles.h"
#include "platform/qt/window_record.h"
#include "platform/win_constants.h"

namespace {

struct MenuItem {
  UINT flags;
  UINT_PTR id;
  QString text;
};

// What a menu handle names: its items, in order.
struct MenuRecord {
  std::vector<MenuItem> items;
};

platform::qt::HandleTable<HMENU, MenuRecord>& Menus() {
  static platform::qt::HandleTable<HMENU, MenuRecord> menus;
  return menus;
}

}  // namespace

HMENU CreatePopupMenu() {
  return Menus().Add(std::make_unique<MenuRecord>());
}

BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  MenuRecord* menu = Menus().Find(hMenu);
  if (menu == nullptr) {
    return FALSE;
  }
  // "&Copy\tCtrl+C" reads the same in Qt: a mnemonic, and the keys in their own column.
  menu->items.push_back({uFlags, uIDNewItem, platform::qt::FromAnsi(lpNewItem)});
  return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
  const MenuRecord* menu = Menus().Find(hMenu);
  if (menu == nullptr) {
    return FALSE;
  }
  QMenu shown(platform::qt::WidgetOf(hWnd));
  for (const MenuItem& item : menu->items) {
    if ((item.flags & MF_SEPARATOR) != 0) {
      shown.addSeparator();
      continue;
    }
    QAction* action = shown.addAction(item.text);
    action->setData(QVariant::fromValue(static_cast<qulonglong>(item.id)));
    action->setEnabled((item.flags & MF_GRAYED) == 0);
  }
  const QAction* chosen = shown.exec(QPoint(x, y));
  const auto id = chosen != nullptr ? static_cast<UINT_PTR>(chosen->data().toULongLong()) : 0;
  if ((uFlags & TPM_RETURNCMD) != 0) {
    return static_cast<BOOL>(id);
  }
  if (id != 0 && hWnd != nullptr) {
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  }
  return chosen != nullptr;
}

BOOL DestroyMenu(HMENU hMenu) {
  return Menus().Remove(hMenu) ? TRUE : FALSE;
}
