#include "platform/detail/running_dialogs.h"

#include <algorithm>
#include <vector>

namespace platform::detail {

namespace {

std::vector<CDialog*>& Running() {
  static std::vector<CDialog*> running;
  return running;
}

}  // namespace

ModalRun::ModalRun(CDialog* dialog) {
  Running().push_back(dialog);
}

ModalRun::~ModalRun() {
  Running().pop_back();
}

CDialog* InnermostRunningDialog() {
  const auto found = std::find_if(Running().rbegin(), Running().rend(),
                                  [](const CDialog* dialog) { return dialog != nullptr; });
  return found == Running().rend() ? nullptr : *found;
}

bool IsModalOver(const CDialog& dialog) {
  const auto found = std::find(Running().begin(), Running().end(), &dialog);
  return found != Running().end() && found + 1 != Running().end();
}

}  // namespace platform::detail
