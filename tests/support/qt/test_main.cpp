#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/qt/process_exit.h"

// GUI tests run headless unless a display is asked for explicitly.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // where it is not set
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return platform::qt::EndProcess(RUN_ALL_TESTS());
}
