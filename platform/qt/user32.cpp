#include "platform/user32.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "platform/detail/backend_contract.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_record.h"

using platform::qt::FromAnsi;
using platform::qt::WidgetOf;
using platform::qt::Window;

LRESULT SendMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const platform::qt::WindowRecord* record = Window(hWnd);
  if (record == nullptr || record->procedure == nullptr) {
    return 0;
  }
  return record->procedure(hWnd, message, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Window(hWnd) == nullptr) {
    return FALSE;
  }
  // A handle is never reused, so a window gone meanwhile simply drops the message.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [=] { SendMessageA(hWnd, message, wParam, lParam); },
      Qt::QueuedConnection);
  return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  QWidget* widget = WidgetOf(hWnd);
  if (widget == nullptr) {
    return FALSE;
  }
  const BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
  if (nCmdShow == SW_HIDE) {
    widget->hide();
  } else if (nCmdShow == SW_SHOW) {
    widget->show();
  }
  return wasVisible;
}

BOOL IsIconic(HWND hWnd) {
  const QWidget* widget = WidgetOf(hWnd);
  return widget != nullptr && widget->isMinimized();
}

BOOL GetClientRect(HWND hWnd, RECT* lpRect) {
  const QWidget* widget = WidgetOf(hWnd);
  if (widget == nullptr || lpRect == nullptr) {
    return FALSE;
  }
  *lpRect = {0, 0, widget->width(), widget->height()};
  return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL) {
  QWidget* widget = WidgetOf(hWnd);
  if (widget == nullptr) {
    return FALSE;
  }
  if (lpRect == nullptr) {
    widget->update();
  } else {
    widget->update(
        QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)));
  }
  return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT* lpRect) {
  const QWidget* widget = WidgetOf(hWnd);
  if (widget == nullptr || lpRect == nullptr) {
    return FALSE;
  }
  const QRect place = widget->isWindow() ? widget->frameGeometry()
                                         : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  *lpRect = {place.left(), place.top(), place.left() + place.width(), place.top() + place.height()};
  return TRUE;
}

HWND GetCapture() {
  return platform::qt::MouseHolder();
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  QWidget* owner = WidgetOf(hWnd);
  QMessageBox box(owner != nullptr ? owner->window() : nullptr);
  box.setWindowTitle(FromAnsi(lpCaption != nullptr ? lpCaption : "Error"));
  box.setTextFormat(Qt::PlainText);
  box.setText(FromAnsi(lpText));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

int GetDlgCtrlID(HWND hWnd) {
  const platform::qt::WindowRecord* record = Window(hWnd);
  return record != nullptr ? static_cast<int>(record->id) : 0;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  const platform::qt::WindowRecord* dialog = Window(hDlg);
  if (dialog == nullptr) {
    return nullptr;
  }
  for (HWND child : dialog->children) {
    if (const platform::qt::WindowRecord* control = Window(child);
        control != nullptr && static_cast<int>(control->id) == nIDDlgItem) {
      return child;
    }
  }
  return nullptr;
}
