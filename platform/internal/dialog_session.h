#pragma once

#include <memory>

#include "dialog_window.h"
#include "platform/resource_table.h"
#include "window_record.h"

class CDialog;

// One run of a dialog: its window and control records, built from the template when the run
// starts and torn down when it ends.
class DialogSession {
 public:
  DialogSession(CDialog& dialog, const DialogTemplate& dialogTemplate, HINSTANCE resources,
                CWnd* owner);
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;
  ~DialogSession();

  void FocusFirstTabStop();
  int Run() { return m_window->RunModal(); }
  void End(int result) { m_window->EndModal(result); }

 private:
  void PlaceOver(CWnd* owner);

  CDialog& m_dialog;
  std::unique_ptr<HWND__> m_record;
  std::unique_ptr<DialogWindow> m_window;
};
