#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/qt/icon_record.h"
#include "platform/user32.h"

namespace platform::detail {

namespace {

// As on Windows, where a program's first icon stands for it, every window shows that icon
// unless it sets one of its own: helpers and message boxes too.
void ShowTheProgramIconOnEveryWindow(const ResourceTable& resources) {
  if (resources.icons.empty()) {
    return;
  }
  const HICON first = LoadIconA(&resources, MAKEINTRESOURCEA(resources.icons.front().id));
  if (const qt::IconRecord* icon = qt::Icon(first)) {
    QIcon windowIcon;
    windowIcon.addPixmap(QPixmap::fromImage(icon->large));
    windowIcon.addPixmap(QPixmap::fromImage(icon->small));
    QApplication::setWindowIcon(windowIcon);
  }
}

}  // namespace

HINSTANCE DefaultResourceHandle() {
  return ProgramResourceTable();
}

void StartApplication(LPCSTR name) {
  QApplication::setApplicationName(QString::fromLatin1(name));
  QApplication::setApplicationVersion(QString::fromStdString(ProgramVersion()));
  if (const ResourceTable* resources = ProgramResourceTable()) {
    if (resources->desktopFileName != nullptr) {
      QApplication::setDesktopFileName(QString::fromLatin1(resources->desktopFileName));
    }
    ShowTheProgramIconOnEveryWindow(*resources);
  }
  // The program ends when InitInstance returns, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
}

int RunMessageLoop() {
  return QApplication::exec();
}

}  // namespace platform::detail
