#include "platform/detail/running_dialogs.h"

#include <vector>

namespace platform::detail {

namespace {

std::vector<CDialog*>& Running() {
  static std::vector<CDialog*> running;
  return running;
}

}  // namespace

ModalRun::ModalRun(CDialog& dialog) {
  Running().push_back(&dialog);
}

ModalRun::~ModalRun() {
  Running().pop_back();
}

CDialog* InnermostRunningDialog() {
  return Running().empty() ? nullptr : Running().back();
}

}  // namespace platform::detail
