#include "platform/detail/handler_scope.h"

#include <algorithm>
#include <vector>

namespace platform::detail {

namespace {

int g_handlersRunning = 0;

std::vector<void (*)()>& Pending() {
  static std::vector<void (*)()> pending;
  return pending;
}

}  // namespace

HandlerScope::HandlerScope() {
  ++g_handlersRunning;
}

HandlerScope::~HandlerScope() {
  if (--g_handlersRunning > 0) {
    return;
  }
  std::vector<void (*)()> due;
  due.swap(Pending());
  for (void (*release)() : due) {
    release();
  }
}

void WhenHandlersEnd(void (*release)()) {
  if (std::find(Pending().begin(), Pending().end(), release) == Pending().end()) {
    Pending().push_back(release);
  }
}

}  // namespace platform::detail
