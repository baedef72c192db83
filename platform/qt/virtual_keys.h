#pragma once

#include "platform/win_types.h"

namespace platform::qt {

// Windows' virtual key for a Qt key ('A' to 'Z', '0' to '9', VK_F1 to VK_F24, VK_INSERT, …), or
// 0 for a key Windows names differently or not at all.
UINT VirtualKeyOf(int key);

}  // namespace platform::qt
