#include <QComboBox>

#include "controls.h"
#include "internal/ansi_text.h"

namespace {

// Where a sorted list puts a new item: after every item that is not greater, ignoring case.
int SortedPlace(const QComboBox& list, const QString& text) {
  int place = list.count();
  while (place > 0 && QString::compare(list.itemText(place - 1), text, Qt::CaseInsensitive) > 0) {
    --place;
  }
  return place;
}

// The first item, after `start` and wrapping round, that begins with `prefix`; -1 searches the
// whole list from the top.
int FindPrefix(const QComboBox& list, int start, const QString& prefix) {
  const int count = list.count();
  if (count == 0) {
    return -1;
  }
  const int first = start < 0 || start >= count ? 0 : start + 1;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (list.itemText(index).startsWith(prefix, Qt::CaseInsensitive)) {
      return index;
    }
  }
  return -1;
}

LRESULT DropDownListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* list = static_cast<QComboBox*>(hWnd->widget);
  switch (message) {
    case CB_ADDSTRING: {
      const QString text = FromAnsi(reinterpret_cast<const char*>(lParam));
      const int place = (hWnd->style & CBS_SORT) != 0 ? SortedPlace(*list, text) : list->count();
      const QSignalBlocker quiet(list);
      list->insertItem(place, text);
      // Adding never selects: a new list shows nothing until something is selected.
      if (list->count() == 1) {
        list->setCurrentIndex(-1);
      }
      return place;
    }
    case CB_SELECTSTRING: {
      const int index = FindPrefix(*list, static_cast<int>(static_cast<INT_PTR>(wParam)),
                                   FromAnsi(reinterpret_cast<const char*>(lParam)));
      if (index < 0) {
        return CB_ERR;
      }
      const QSignalBlocker quiet(list);
      list->setCurrentIndex(index);
      return index;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      LRESULT result = 0;
      HandleTextMessage(
          message, wParam, lParam, list->currentText(), [](const QString&) {}, &result);
      return result;
    }
    default:
      return 0;
  }
}

}  // namespace

void MakeDropDownList(HWND control, const DialogItemTemplate&) {
  auto* list = new QComboBox(control->parent->widget);
  list->setEditable(false);
  // Only the user's choice notifies, as a selection by message does not.
  QObject::connect(list, &QComboBox::activated,
                   [control] { NotifyCommand(control, CBN_SELCHANGE); });
  control->widget = list;
  control->proc = DropDownListProc;
}
