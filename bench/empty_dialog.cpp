// The floor for any Qt program's start-up: an empty dialog and nothing else.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.resize(371, 146);
  return dialog.exec();
}
