#include "platform/qt/virtual_keys.h"

#include <Qt>
#include <algorithm>
#include <iterator>

namespace platform::qt {

namespace {

struct NamedKey {
  int qtKey;
  UINT virtualKey;
};

// Keys that are neither letters, digits nor function keys, with their Win32 values.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},  {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},   {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},  {Qt::Key_Down, 0x28},
    {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},
};

constexpr UINT kVirtualKeyF1 = 0x70;

}  // namespace

UINT VirtualKeyOf(int key) {
  // Qt numbers letters and digits as their upper-case ASCII codes, as Windows does.
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<UINT>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    return kVirtualKeyF1 + static_cast<UINT>(key - Qt::Key_F1);
  }
  const auto found = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                  [key](const NamedKey& named) { return named.qtKey == key; });
  return found != std::end(kNamedKeys) ? found->virtualKey : 0;
}

}  // namespace platform::qt
