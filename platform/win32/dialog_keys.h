#pragma once

#include "platform/resource_table.h"

namespace platform::win32 {

// While it lives and its dialog's template gives keys commands, a key pressed in any running
// dialog of the thread reaches that dialog's keys wherever the focus is (a dialog without keys,
// a message box, passes every key on). DialogBox runs a loop of its own that translates no
// accelerators; its message filter (WH_MSGFILTER, MSGF_DIALOGBOX) sees every message first.
class DialogKeys {
 public:
  explicit DialogKeys(const DialogTemplate& dialogTemplate);
  ~DialogKeys();
  DialogKeys(const DialogKeys&) = delete;
  DialogKeys& operator=(const DialogKeys&) = delete;

 private:
  bool m_filtering;
};

}  // namespace platform::win32
