#include "platform/detail/accelerators.h"

#include <algorithm>

#include "platform/detail/backend_contract.h"
#include "platform/detail/window_map.h"
#include "platform/resource_table.h"
#include "platform/win_constants.h"

namespace platform::detail {

bool RunAccelerator(HWND dialog, UINT key, bool control, bool shift) {
  const DialogTemplate* dialogTemplate = TemplateOf(dialog);
  if (dialogTemplate == nullptr) {
    return false;
  }
  const auto& keys = dialogTemplate->accelerators;
  const auto found = std::find_if(keys.begin(), keys.end(), [&](const DialogAccelerator& given) {
    return given.key == key && given.control == control && given.shift == shift;
  });
  if (found == keys.end()) {
    return false;
  }
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(found->command, 1), 0);
  return true;
}

}  // namespace platform::detail
