#include <QPainter>
#include <QPushButton>

#include "platform/qt/controls/check_box.h"
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

// A group box as Windows draws it: an etched frame whose top line runs through the middle of
// the title, so that the frame encloses exactly the template's rectangle.
class GroupFrame : public QWidget {
 public:
  GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {}

  QString Title() const { return m_title; }
  void SetTitle(const QString& title) {
    m_title = title;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (m_title.isEmpty()) {
      return;
    }
    const int indent = metrics.averageCharWidth();
    const QRect title(indent, 0, metrics.horizontalAdvance(m_title) + indent, metrics.height());
    painter.fillRect(title, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(title, Qt::AlignCenter | Qt::TextSingleLine, m_title);
  }

 private:
  QString m_title;
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

void MakeGroupBox(HWND control, const DialogItemTemplate& item) {
  auto* box = new GroupFrame(FromAnsi(item.text), DialogWidgetOf(control));
  box->setFocusPolicy(Qt::NoFocus);
  // A frame behind the controls it groups, whatever the order of creation.
  box->lower();
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  Window(control)->widget = box;
  Window(control)->procedure =
      TextWindowProc<GroupFrame, &GroupFrame::Title, &GroupFrame::SetTitle>;
}

}  // namespace platform::qt
