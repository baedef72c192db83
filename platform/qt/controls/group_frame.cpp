#include "platform/qt/controls/group_frame.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/controls/controls.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent) {
  SetTitle(title);
}

void GroupFrame::SetTitle(const QString& title) {
  m_title = title;
  m_titleRect = QRect();
  setAccessibleName(title);
  update();
}

void GroupFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    m_titleRect = QRect();
  }
  QWidget::changeEvent(event);
}

QRect GroupFrame::TitleRect() {
  if (m_titleRect.isNull()) {
    const QFontMetrics metrics = fontMetrics();
    const int indent = metrics.averageCharWidth();
    m_titleRect = QRect(indent, 0, metrics.horizontalAdvance(m_title) + indent, metrics.height());
  }
  return m_titleRect;
}

void GroupFrame::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  const QRect title = TitleRect();
  if (m_title.isEmpty() || !event->rect().intersects(title)) {
    return;
  }
  painter.fillRect(title, palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(title, Qt::AlignCenter | Qt::TextSingleLine, m_title);
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
