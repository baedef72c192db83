#include "tests/support/dialog_driver.h"

#include "platform/detail/running_dialogs.h"
#include "tests/support/backend_steps.h"

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps) {
  const ModalTimeLimit limit;
  RunWhen([&dialog] { return IsInFront(dialog); }, steps);
  return dialog.DoModal();
}

void WhenNextDialogRuns(const std::function<void(CDialog&)>& steps) {
  CDialog* before = platform::detail::InnermostRunningDialog();
  RunWhen(
      [before] {
        CDialog* running = platform::detail::InnermostRunningDialog();
        return running != nullptr && running != before && IsInFront(*running);
      },
      [steps] { steps(*platform::detail::InnermostRunningDialog()); });
}
