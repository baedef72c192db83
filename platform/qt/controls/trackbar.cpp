#include "platform/qt/controls/trackbar.h"

#include <QMouseEvent>
#include <algorithm>

#include "platform/qt/controls/controls.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/notify.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"

namespace platform::qt {

namespace {

// Windows' default trackbar: 0 to 100, a page being a fifth of the range.
constexpr int kDefaultMaximum = 100;
constexpr int kPagesPerRange = 5;

}  // namespace

Trackbar::Trackbar(HWND handle, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_handle(handle) {
  connect(this, &QAbstractSlider::actionTriggered, this, &Trackbar::RememberAction);
  connect(this, &QAbstractSlider::valueChanged, this, &Trackbar::ReportChange);
}

// A window that goes while it holds the mouse (its dialog closed by a key during a drag) lets
// go of it, so that no later window seems held.
Trackbar::~Trackbar() {
  LetGoOfMouse(m_handle);
}

void Trackbar::SetPositionAsUser(int position) {
  m_pendingCode = TB_THUMBPOSITION;
  setValue(position);
  m_pendingCode.reset();
}

void Trackbar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    HoldMouse(m_handle);
  }
  QSlider::mousePressEvent(event);
}

void Trackbar::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && MouseHolder() == m_handle) {
    // Held until the notice goes out, as Windows lets go right before it: what was queued
    // meanwhile (an update a click on the groove asked for) still sees the mouse held.
    QMetaObject::invokeMethod(
        this,
        [handle = m_handle] {
          LetGoOfMouse(handle);
          NotifyHeader(handle, NM_RELEASEDCAPTURE);
        },
        Qt::QueuedConnection);
  }
}

// Runs before the value moves: the scroll code is known now, the new value only after.
void Trackbar::RememberAction(int action) {
  const bool byMouse = MouseHolder() == m_handle;
  switch (action) {
    case SliderSingleStepAdd:
      m_pendingCode = TB_LINEDOWN;
      break;
    case SliderSingleStepSub:
      m_pendingCode = TB_LINEUP;
      break;
    case SliderPageStepAdd:
      m_pendingCode = TB_PAGEDOWN;
      break;
    case SliderPageStepSub:
      m_pendingCode = TB_PAGEUP;
      break;
    case SliderToMinimum:
      m_pendingCode = TB_TOP;
      break;
    case SliderToMaximum:
      m_pendingCode = TB_BOTTOM;
      break;
    case SliderMove:
      // A drag of the thumb, or else a turn of the wheel.
      m_pendingCode = byMouse                      ? TB_THUMBTRACK
                      : sliderPosition() > value() ? TB_LINEDOWN
                                                   : TB_LINEUP;
      break;
    default:
      m_pendingCode.reset();
  }
}

void Trackbar::ReportChange(int position) {
  if (!m_pendingCode) {
    return;  // set by the program, which Windows does not report
  }
  const UINT code = *m_pendingCode;
  m_pendingCode.reset();
  const WindowRecord* record = Window(m_handle);
  if (record == nullptr) {
    return;
  }
  SendMessageA(record->parent, WM_HSCROLL,
               MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
               reinterpret_cast<LPARAM>(m_handle));
}

namespace {

LRESULT TrackbarProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  auto* slider = static_cast<QSlider*>(WidgetOf(hWnd));
  switch (message) {
    case TBM_GETPOS:
      return slider->value();
    case TBM_SETPOS:
      slider->setValue(static_cast<int>(lParam));
      return 0;
    case TBM_SETRANGE: {
      const int minimum = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
      const int maximum = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
      slider->setRange(minimum, maximum);
      slider->setPageStep(std::max(1, (maximum - minimum) / kPagesPerRange));
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace

void MakeTrackbar(HWND control, const DialogItemTemplate& item) {
  auto* slider = new Trackbar(control, DialogWidgetOf(control));
  slider->setRange(0, kDefaultMaximum);
  slider->setPageStep(kDefaultMaximum / kPagesPerRange);
  slider->setTickPosition((item.style & TBS_NOTICKS) != 0 ? QSlider::NoTicks : QSlider::TicksBelow);
  Window(control)->widget = slider;
  Window(control)->procedure = TrackbarProc;
}

}  // namespace platform::qt
