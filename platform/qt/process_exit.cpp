#include "platform/qt/process_exit.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace platform::qt {

int EndProcess(int code) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}

}  // namespace platform::qt
