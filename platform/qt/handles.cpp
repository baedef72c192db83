#include "platform/qt/handles.h"

namespace platform::qt {

std::uintptr_t NextHandleNumber() {
  static std::uintptr_t last = 0;
  return ++last;
}

}  // namespace platform::qt
