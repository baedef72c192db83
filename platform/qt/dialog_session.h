#pragma once

#include <memory>

#include "platform/qt/dialog_window.h"
#include "platform/resource_table.h"

class CDialog;

namespace platform::qt {

// One run of a dialog: its window and control records, built from the template when the run
// starts and torn down when it ends.
class DialogSession {
 public:
  DialogSession(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner,
                HINSTANCE resources);
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;
  ~DialogSession();

  HWND Handle() const { return m_handle; }
  void FocusFirstTabStop();
  int Run() { return m_window->RunModal(); }

 private:
  // Keeps the window in front of its owner, where the owner shows.
  void StandOver(HWND owner);

  CDialog& m_dialog;
  HWND m_handle;
  std::unique_ptr<DialogWindow> m_window;
};

}  // namespace platform::qt
