#pragma once

#include <QDialog>
#include <QEventLoop>

#include "platform/win_types.h"

namespace platform::qt {

// The Qt window of a dialog. Keys, the close box and painting become messages to the dialog's
// handle; it runs its own modal loop so that hiding it (as the launcher does while a helper is
// open) never ends the run.
class DialogWindow : public QDialog {
 public:
  explicit DialogWindow(HWND handle);

  int RunModal();
  void EndModal(int result);

  // Esc: IDCANCEL, as on Windows.
  void reject() override;

  // Keys pressed in the window: those the dialog's template gives commands run them, before
  // the focused control sees them, as Windows runs accelerators from the message loop. A key
  // the focused control takes itself (a value field's Ctrl+V) is the control's: it says so as
  // Qt's widgets override a shortcut.
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  // The close box, however and whenever it arrives: IDCANCEL too, and only EndDialog hides the
  // window. QDialog's own would take a close that comes while the window is not shown as done,
  // and the run would go on with nothing on screen.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A menu asked for where no control offers one (a picture, the dialog itself): WM_CONTEXTMENU
  // to the dialog, as on Windows, whose pictures and labels let the mouse through.
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool RunKeyCommand(const QKeyEvent& key);

  HWND m_handle;
  QEventLoop* m_loop = nullptr;
  int m_result = 0;
  bool m_ended = false;
};

// The window procedure of a dialog: its message map first, then what Windows' dialog manager
// does by default.
LRESULT DialogProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::qt
