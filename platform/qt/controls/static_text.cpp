#include "platform/qt/controls/static_text.h"

#include <QTextLayout>
#include <algorithm>
#include <climits>

#include "platform/qt/controls/controls.h"
#include "platform/qt/controls/group_frame.h"
#include "platform/qt/text_messages.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

StaticText::StaticText(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  m_fullText = text;
  setAccessibleName(text);
}

void StaticText::SetFullText(const QString& text) {
  m_fullText = text;
  setAccessibleName(text);
  Fit();
}

void StaticText::SetRoomBelow(int bottom) {
  m_templateHeight = height();
  m_lowestBottom = std::max(bottom, y() + m_templateHeight);
  Fit();
}

void StaticText::Fit() {
  setText(m_fullText);
  setToolTip(QString());
  if (m_templateHeight == 0) {
    return;  // not placed yet
  }
  const int needed = heightForWidth(width());
  const int room = m_lowestBottom - y();
  if (needed <= room) {
    resize(width(), std::max(needed, m_templateHeight));
    return;
  }
  resize(width(), room);
  const int lines = std::max(1, room / fontMetrics().lineSpacing());
  setText(Elided(lines));
  setToolTip(m_fullText);
}

// The first lines of the wrapped text, the last of them cut short with an ellipsis.
QString StaticText::Elided(int lines) const {
  QTextLayout layout(m_fullText, font());
  QTextOption option(alignment());
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList shown;
  for (int line = 0; line < lines; ++line) {
    QTextLine next = layout.createLine();
    if (!next.isValid()) {
      break;
    }
    next.setLineWidth(width());
    const QString rest = m_fullText.mid(next.textStart());
    shown << (line + 1 < lines ? m_fullText.mid(next.textStart(), next.textLength()).trimmed()
                               : fontMetrics().elidedText(rest, Qt::ElideRight, width()));
  }
  layout.endLayout();
  return shown.join(QLatin1Char('\n'));
}

namespace {

LRESULT StaticTextProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return TextWindowProc<StaticText, &StaticText::FullText, &StaticText::SetFullText>(
      hWnd, message, wParam, lParam);
}

// The lowest a text at `place` may reach without covering `other`.
int LimitFrom(const QRect& place, const QWidget* other) {
  const QRect area = other->geometry();
  if (qobject_cast<const GroupFrame*>(other) != nullptr && area.contains(place)) {
    return area.bottom() - other->fontMetrics().height() / 2;  // inside its frame
  }
  const bool below = area.top() > place.top();
  const bool besideIt = area.left() < place.right() && place.left() < area.right();
  return below && besideIt ? area.top() - 1 : INT_MAX;
}

}  // namespace

void MakeRoomForTexts(QWidget* dialog, const std::vector<HWND>& controls) {
  for (HWND control : controls) {
    auto* text = qobject_cast<StaticText*>(WidgetOf(control));
    if (text == nullptr) {
      continue;
    }
    int lowest = dialog->height() - text->fontMetrics().height() / 2;
    for (HWND other : controls) {
      if (other != control) {
        lowest = std::min(lowest, LimitFrom(text->geometry(), WidgetOf(other)));
      }
    }
    text->SetRoomBelow(lowest);
  }
}

void MakeStaticText(HWND control, const DialogItemTemplate& item) {
  auto* label = new StaticText(FromAnsi(item.text), DialogWidgetOf(control));
  const Qt::Alignment horizontal =
      (item.style & SS_TYPEMASK) == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignTop);
  Window(control)->widget = label;
  Window(control)->procedure = StaticTextProc;
}

}  // namespace platform::qt
