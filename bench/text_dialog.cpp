// The floor for a Qt program that shows text: a dialog with one line of it. Unlike an empty
// dialog, it has to start the font database, as every program with a label does.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.resize(371, 146);
  QLabel label(QStringLiteral("Click on the button for the helper that you would like to use."),
               &dialog);
  label.move(10, 10);
  return dialog.exec();
}
