#pragma once

class CDialog;

// The modal runs under way, innermost last: dialogs, and the message boxes shown over them.
namespace platform::detail {

// Marks a modal run while it lives: the dialog's, or a message box's for a null dialog.
class ModalRun {
 public:
  explicit ModalRun(CDialog* dialog);
  ~ModalRun();
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;
};

// The innermost dialog that runs, or null when none does; a message box over it does not count.
CDialog* InnermostRunningDialog();

// Whether something runs modally over the running dialog: a dialog it opened, or a message box.
bool IsModalOver(const CDialog& dialog);

}  // namespace platform::detail
