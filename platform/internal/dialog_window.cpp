#include "dialog_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include "ansi_text.h"
#include "gdi_objects.h"
#include "platform/cwinapp.h"
#include "platform/user32.h"
#include "window_record.h"

DialogWindow::DialogWindow(HWND record) : m_record(record) {}

int DialogWindow::RunModal() {
  if (!m_ended) {
    show();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
  }
  hide();
  return m_result;
}

void DialogWindow::EndModal(int result) {
  m_result = result;
  m_ended = true;
  if (m_loop != nullptr) {
    m_loop->exit();
  }
}

void DialogWindow::reject() {
  SendMessageA(m_record, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    SendMessageA(m_record, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0), 0);
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::paintEvent(QPaintEvent*) {
  SendMessageA(m_record, WM_PAINT, 0, 0);
}

namespace {

HICON SetIcon(HWND hWnd, bool big, HICON icon) {
  HICON& slot = big ? hWnd->bigIcon : hWnd->smallIcon;
  HICON previous = slot;
  slot = icon;
  QIcon windowIcon;
  if (hWnd->bigIcon != nullptr) {
    windowIcon.addPixmap(QPixmap::fromImage(hWnd->bigIcon->large));
  }
  if (hWnd->smallIcon != nullptr) {
    windowIcon.addPixmap(QPixmap::fromImage(hWnd->smallIcon->small));
  }
  hWnd->widget->setWindowIcon(windowIcon);
  return previous;
}

}  // namespace

LRESULT DefDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleTextMessage(
          message, wParam, lParam, hWnd->widget->windowTitle(),
          [hWnd](const QString& text) { hWnd->widget->setWindowTitle(text); }, &result)) {
    return result;
  }
  switch (message) {
    case WM_COMMAND:
      // Commands the dialog does not take go on to the application, as in the class library.
      if (CWinApp* app = AfxGetApp()) {
        app->OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_SETICON:
      return reinterpret_cast<LRESULT>(SetIcon(hWnd, wParam != 0, reinterpret_cast<HICON>(lParam)));
    case WM_ICONERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (dc != nullptr) {
        dc->painter.fillRect(dc->bounds, hWnd->widget->palette().window());
      }
      return TRUE;
    }
    default:
      return 0;
  }
}
