#include <cstring>

#include "platform/additions.h"
#include "platform/detail/backend_contract.h"

namespace platform {

bool GetClipboardText(std::string& text) {
  text.clear();
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) {
    return false;
  }
  bool read = false;
  if (const HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      // Another program wrote this block: trust its size, not a terminating NUL.
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
      read = true;
    }
  }
  CloseClipboard();
  return read;
}

}  // namespace platform
