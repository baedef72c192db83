#include "platform/qt/dialog_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QWindow>

#include "platform/detail/accelerators.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/dialog_policy.h"
#include "platform/detail/window_map.h"
#include "platform/qt/device_context.h"
#include "platform/qt/icon_record.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/virtual_keys.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"

namespace platform::qt {

DialogWindow::DialogWindow(HWND handle) : m_handle(handle) {}

int DialogWindow::RunModal() {
  if (!m_ended) {
    show();
    windowHandle()->installEventFilter(this);
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
  SendMessageA(m_handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::KeyPress &&
      RunKeyCommand(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool DialogWindow::RunKeyCommand(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const UINT virtualKey = VirtualKeyOf(key.key());
  if (virtualKey == 0 || (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier)) != 0) {
    return false;
  }
  if (QWidget* focus = focusWidget()) {
    QKeyEvent claim(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.text(),
                    key.isAutoRepeat());
    claim.ignore();
    QCoreApplication::sendEvent(focus, &claim);
    if (claim.isAccepted()) {
      return false;
    }
  }
  return detail::RunAccelerator(m_handle, virtualKey, (modifiers & Qt::ControlModifier) != 0,
                                (modifiers & Qt::ShiftModifier) != 0);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    detail::AskForHelp(m_handle, m_handle);
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
  const QPoint at = fromKeyboard ? QPoint(-1, -1) : event->globalPos();
  SendMessageA(m_handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_handle),
               MAKELPARAM(static_cast<WORD>(at.x()), static_cast<WORD>(at.y())));
}

void DialogWindow::paintEvent(QPaintEvent*) {
  SendMessageA(m_handle, WM_PAINT, 0, 0);
}

namespace {

HICON SetIcon(HWND hWnd, bool big, HICON icon) {
  WindowRecord* record = Window(hWnd);
  HICON& slot = big ? record->bigIcon : record->smallIcon;
  const HICON previous = slot;
  slot = icon;
  QIcon windowIcon;
  if (const IconRecord* large = Icon(record->bigIcon)) {
    windowIcon.addPixmap(QPixmap::fromImage(large->large));
  }
  if (const IconRecord* small = Icon(record->smallIcon)) {
    windowIcon.addPixmap(QPixmap::fromImage(small->small));
  }
  record->widget->setWindowIcon(windowIcon);
  return previous;
}

// What the dialog manager does with a message the dialog's map leaves.
LRESULT DefDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  QWidget* widget = WidgetOf(hWnd);
  LRESULT result = 0;
  if (HandleTextMessage(
          message, wParam, lParam, widget->windowTitle(),
          [widget](const QString& text) { widget->setWindowTitle(text); }, &result)) {
    return result;
  }
  switch (message) {
    case WM_SETICON:
      return reinterpret_cast<LRESULT>(SetIcon(hWnd, wParam != 0, reinterpret_cast<HICON>(lParam)));
    case WM_ICONERASEBKGND: {
      if (DeviceContext* context = Context(reinterpret_cast<HDC>(wParam))) {
        context->painter.fillRect(context->bounds, widget->palette().window());
      }
      return TRUE;
    }
    default:
      return 0;
  }
}

}  // namespace

LRESULT DialogProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (detail::DispatchToWrapper(hWnd, message, wParam, lParam, &result)) {
    return result;
  }
  return DefDialogProc(hWnd, message, wParam, lParam);
}

}  // namespace platform::qt

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
  auto* window = dynamic_cast<platform::qt::DialogWindow*>(platform::qt::WidgetOf(hDlg));
  if (window == nullptr) {
    return FALSE;
  }
  window->EndModal(static_cast<int>(nResult));
  return TRUE;
}
