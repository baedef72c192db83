#include <QApplication>

#include "platform/cwinapp.h"

// The program's entry point belongs to the layer, as it does in the class library.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return AfxWinMain();
}
