#pragma once

#include <QDialog>
#include <QEventLoop>

#include "platform/win_types.h"

// The Qt window of a dialog. Keys, the close box and painting become messages to the dialog's
// handle; it runs its own modal loop so that hiding it (as the launcher does while a helper is
// open) never ends the run.
class DialogWindow : public QDialog {
 public:
  explicit DialogWindow(HWND record);

  HWND Handle() const { return m_record; }

  int RunModal();
  void EndModal(int result);

  // Esc and the close box: IDCANCEL, as on Windows.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  HWND m_record;
  QEventLoop* m_loop = nullptr;
  int m_result = 0;
  bool m_ended = false;
};

// What a dialog does with a message that its class does not handle.
LRESULT DefDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
