#pragma once

class CDialog;

// The dialogs whose modal run is under way, innermost last.
namespace platform::detail {

// Marks the dialog running while it lives.
class ModalRun {
 public:
  explicit ModalRun(CDialog& dialog);
  ~ModalRun();
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;
};

// The dialog in front, or null when none runs.
CDialog* InnermostRunningDialog();

}  // namespace platform::detail
