#include <QComboBox>
#include <algorithm>
#include <string>

#include "platform/qt/controls/controls.h"
#include "platform/qt/notify.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

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
  auto* list = static_cast<QComboBox*>(WidgetOf(hWnd));
  switch (message) {
    case CB_ADDSTRING: {
      const QString text = FromAnsi(reinterpret_cast<const char*>(lParam));
      const int place =
          (Window(hWnd)->style & CBS_SORT) != 0 ? SortedPlace(*list, text) : list->count();
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
    case CB_SETCURSEL: {
      const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
      const QSignalBlocker quiet(list);
      list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
      return list->currentIndex() == index ? index : CB_ERR;
    }
    case CB_GETCURSEL:
      return list->currentIndex() < 0 ? CB_ERR : list->currentIndex();
    case CB_GETCOUNT:
      return list->count();
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: {
      const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
      if (index < 0 || index >= list->count()) {
        return CB_ERR;
      }
      const std::string text = ToAnsi(list->itemText(index));
      if (message == CB_GETLBTEXT) {
        // As on Windows, the caller's buffer holds the whole text and its terminating NUL.
        std::copy(text.begin(), text.end(), reinterpret_cast<char*>(lParam));
        reinterpret_cast<char*>(lParam)[text.size()] = '\0';
      }
      return static_cast<LRESULT>(text.size());
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
  auto* list = new QComboBox(DialogWidgetOf(control));
  list->setEditable(false);
  // Only the user's choice notifies, as a selection by message does not.
  QObject::connect(list, &QComboBox::activated,
                   [control] { NotifyCommand(control, CBN_SELCHANGE); });
  Window(control)->widget = list;
  Window(control)->procedure = DropDownListProc;
}

}  // namespace platform::qt
