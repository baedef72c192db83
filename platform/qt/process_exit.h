#pragma once

namespace platform::qt {

// Ends the process with `code` once its work is done, with the Qt application still alive. On
// Wayland it ends at once, skipping Qt's teardown: Qt 6.4's Wayland client can deadlock stopping
// its event thread there (5 exits in 30 hung, measured), and the program has nothing left to
// save. Elsewhere it returns `code` for main to return.
int EndProcess(int code);

}  // namespace platform::qt
