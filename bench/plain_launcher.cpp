// The start-up anchor a user would pick: a plain Qt dialog with the launcher's own controls (its
// four buttons, the group frame and the four labels) in the same places, laid out with the same
// font and dialog units, and none of the tool's layer.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

namespace {

// Dialog units of the dialog's font, as Windows counts them (see platform/detail/dialog_units).
struct Units {
  int x;
  int y;
  QRect operator()(int left, int top, int width, int height) const {
    return {(left * x + 2) / 4, (top * y + 4) / 8, (width * x + 2) / 4, (height * y + 4) / 8};
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  dialog.setFont(font);
  const QFontMetrics metrics(font);
  const Units units{(metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                         26 +
                     1) /
                        2,
                    metrics.height()};
  dialog.setWindowTitle(QStringLiteral("Vardak Entity Helper"));
  dialog.setFixedSize(units(0, 0, 212, 90).size());
  QGroupBox group(QStringLiteral("Helpers"), &dialog);
  group.setGeometry(units(5, 5, 115, 80));
  QPushButton quit(QStringLiteral("Quit"), &dialog);
  quit.setGeometry(units(155, 70, 50, 14));
  quit.setDefault(true);
  const char* numbers[] = {"1", "2", "3"};
  const char* names[] = {"Classes Calculator", "Spawnteam Calculator", "Fog Settings Helper"};
  std::vector<std::unique_ptr<QWidget>> rows;
  for (int row = 0; row < 3; ++row) {
    auto button = std::make_unique<QPushButton>(QString::fromLatin1(numbers[row]), &dialog);
    button->setFlat(true);
    button->setGeometry(units(15, 20 + 20 * row, 20, 14));
    auto label = std::make_unique<QLabel>(QString::fromLatin1(names[row]), &dialog);
    label->setGeometry(units(40, 22 + 20 * row, 75, 8));
    rows.push_back(std::move(button));
    rows.push_back(std::move(label));
  }
  QLabel hint(QStringLiteral("Click on the button for the helper that you would like to use."),
              &dialog);
  hint.setWordWrap(true);
  hint.setGeometry(units(130, 10, 75, 35));
  return dialog.exec();
}
