#include <QApplication>

#include "platform/detail/backend.h"
#include "platform/detail/resources.h"

namespace platform::detail {

HINSTANCE DefaultResourceHandle() {
  return ProgramResourceTable();
}

void StartApplication(LPCSTR name, LPCSTR version) {
  QApplication::setApplicationName(QString::fromLatin1(name));
  if (version != nullptr) {
    // "1, 0, 0, 1" in the version block reads 1.0.0.1.
    QApplication::setApplicationVersion(QString::fromLatin1(version).remove(' ').replace(',', '.'));
  }
  // The program ends when InitInstance returns, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
}

int RunMessageLoop() {
  return QApplication::exec();
}

}  // namespace platform::detail
