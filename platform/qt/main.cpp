#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/cwinapp.h"
#include "platform/qt/command_line.h"
#include "platform/qt/process_exit.h"

namespace {

std::string g_programName;
std::vector<std::pair<QtMsgType, QString>> g_heldMessages;

// While Qt starts: its messages wait, and a fatal one (no display to connect to, or no
// platform plugin that works) becomes one clear line and exit code 1 instead of an abort.
void HoldStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr,
                 "%s: no display to show its windows on (set DISPLAY or WAYLAND_DISPLAY, or "
                 "QT_QPA_PLATFORM)\n",
                 g_programName.c_str());
    std::_Exit(1);
  }
  g_heldMessages.emplace_back(type, message);
}

}  // namespace

// The program's entry point belongs to the layer, as it does in the class library.
int main(int argc, char** argv) {
  g_programName = platform::qt::ProgramName(argv);
  if (const std::optional<std::string> fault = platform::qt::CommandLineFault(argc, argv)) {
    std::fputs(fault->c_str(), stderr);
    return 2;
  }
  if (const std::optional<std::string> information = platform::qt::InformationAsked(argc, argv)) {
    std::fputs(information->c_str(), stdout);
    return 0;
  }
  const QtMessageHandler defaultHandler = qInstallMessageHandler(HoldStartupMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(defaultHandler);
  for (const auto& [type, message] : g_heldMessages) {
    qt_message_output(type, QMessageLogContext(), message);
  }
  // Qt has taken its own options out of argv; the program takes none of its own.
  if (const std::optional<std::string> unknown = platform::qt::UnknownArgument(argc, argv)) {
    std::fputs(unknown->c_str(), stderr);
    return 2;
  }
  return platform::qt::EndProcess(AfxWinMain());
}
