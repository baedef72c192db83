#include "platform/qt/controls/button.h"

#include <QPainter>
#include <QPushButton>

#include "platform/qt/controls/controls.h"
#include "platform/qt/notify.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

namespace {

LRESULT ButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* button = static_cast<QAbstractButton*>(WidgetOf(hWnd));
  switch (message) {
    case BM_CLICK:
      button->click();
      return 0;
    case BM_GETCHECK:
      return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      // Set by the program: no BN_CLICKED, as on Windows.
      button->setChecked(wParam == BST_CHECKED);
      return 0;
    default:
      break;
  }
  return TextWindowProc<QAbstractButton, &QAbstractButton::text, &QAbstractButton::setText>(
      hWnd, message, wParam, lParam);
}

// A flat push button as Windows draws it: a thin frame and no bevel, where Qt's flat button
// has no frame at all and would read as plain text.
class FlatPushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), isDown() ? colours.mid() : colours.button());
    painter.setPen(colours.color(hasFocus() ? QPalette::Highlight : QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
};

void ConnectClicks(HWND control, QAbstractButton* button) {
  QObject::connect(button, &QAbstractButton::clicked,
                   [control] { NotifyCommand(control, BN_CLICKED); });
}

}  // namespace

void MakePushButton(HWND control, const DialogItemTemplate& item) {
  auto* button = (item.style & BS_FLAT) != 0
                     ? new FlatPushButton(FromAnsi(item.text), DialogWidgetOf(control))
                     : new QPushButton(FromAnsi(item.text), DialogWidgetOf(control));
  button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
  ConnectClicks(control, button);
  Window(control)->widget = button;
  Window(control)->procedure = ButtonProc;
}

void MakeCheckBox(HWND control, const DialogItemTemplate& item) {
  auto* box = new WholeRectCheckBox(FromAnsi(item.text), DialogWidgetOf(control));
  ConnectClicks(control, box);
  Window(control)->widget = box;
  Window(control)->procedure = ButtonProc;
}

}  // namespace platform::qt
