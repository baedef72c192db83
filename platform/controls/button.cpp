#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "controls.h"
#include "internal/ansi_text.h"

namespace {

// Windows takes a click anywhere in a check box's rectangle, not only on the box and its text.
class WholeRectCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

LRESULT ButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* button = static_cast<QAbstractButton*>(hWnd->widget);
  LRESULT result = 0;
  HandleTextMessage(
      message, wParam, lParam, button->text(),
      [button](const QString& text) { button->setText(text); }, &result);
  return result;
}

LRESULT GroupBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = static_cast<QGroupBox*>(hWnd->widget);
  LRESULT result = 0;
  HandleTextMessage(
      message, wParam, lParam, box->title(), [box](const QString& text) { box->setTitle(text); },
      &result);
  return result;
}

void ConnectClicks(HWND control, QAbstractButton* button) {
  QObject::connect(button, &QAbstractButton::clicked,
                   [control] { NotifyCommand(control, BN_CLICKED); });
}

}  // namespace

void MakePushButton(HWND control, const DialogItemTemplate& item) {
  auto* button = new QPushButton(FromAnsi(item.text), control->parent->widget);
  button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
  if ((item.style & BS_FLAT) != 0) {
    // Flat as on Windows: a thin frame and no bevel, rather than Qt's frameless flat button.
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid palette(dark); background: palette(button); }"
        "QPushButton:pressed { background: palette(mid); }"
        "QPushButton:focus { border: 1px solid palette(highlight); }"));
  }
  ConnectClicks(control, button);
  control->widget = button;
  control->proc = ButtonProc;
}

void MakeCheckBox(HWND control, const DialogItemTemplate& item) {
  auto* box = new WholeRectCheckBox(FromAnsi(item.text), control->parent->widget);
  ConnectClicks(control, box);
  control->widget = box;
  control->proc = ButtonProc;
}

void MakeGroupBox(HWND control, const DialogItemTemplate& item) {
  auto* box = new QGroupBox(FromAnsi(item.text), control->parent->widget);
  box->setFocusPolicy(Qt::NoFocus);
  // A frame behind the controls it groups, whatever the order of creation.
  box->lower();
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  control->widget = box;
  control->proc = GroupBoxProc;
}
