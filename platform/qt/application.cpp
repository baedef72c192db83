#include <QApplication>

#include "platform/detail/backend.h"
#include "platform/detail/resources.h"

namespace platform::detail {

HINSTANCE DefaultResourceHandle() {
  return ProgramResourceTable();
}

void StartApplication(LPCSTR name) {
  QApplication::setApplicationName(QString::fromLatin1(name));
  QApplication::setApplicationVersion(QString::fromStdString(ProgramVersion()));
  // The program ends when InitInstance returns, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
}

int RunMessageLoop() {
  return QApplication::exec();
}

}  // namespace platform::detail
