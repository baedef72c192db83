#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "tests/support/qt/gui_test_support.h"

namespace {

constexpr int kFromEnd = 4;     // pixels: a click on the groove near its end
constexpr int kPastEnd = 20;    // pixels: a drag let go beyond the end
constexpr int kOneNotch = 120;  // the wheel's angle for one notch, in eighths of a degree

}  // namespace

// Real input to the real slider. A press and its release come back to back, as a busy program
// takes them from the window system in one go: what either queued is delivered after both.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  auto* slider = ControlAs<QSlider>(dialog, id);
  const QPoint grip = ThumbCentre(slider);
  // Towards the end with more room, so that the slider always moves.
  const bool rightward = grip.x() < slider->width() / 2;
  switch (gesture) {
    case SliderGesture::kKey:
      slider->setFocus();
      PressKey(WindowOf(dialog), rightward ? Qt::Key_Right : Qt::Key_Left);
      break;
    case SliderGesture::kDragThumb: {
      const QPoint end(rightward ? slider->width() + kPastEnd : -kPastEnd, grip.y());
      QTest::mousePress(slider, Qt::LeftButton, {}, grip);
      QTest::mouseMove(slider, (grip + end) / 2);
      QTest::mouseMove(slider, end);
      QTest::mouseRelease(slider, Qt::LeftButton, {}, end);
      break;
    }
    case SliderGesture::kClickTrack: {
      const QPoint groove(rightward ? slider->width() - kFromEnd : kFromEnd, grip.y());
      QTest::mousePress(slider, Qt::LeftButton, {}, groove);
      QTest::mouseRelease(slider, Qt::LeftButton, {}, groove);
      break;
    }
    case SliderGesture::kWheel: {
      QWheelEvent wheel(grip, slider->mapToGlobal(grip), QPoint(),
                        QPoint(0, rightward ? kOneNotch : -kOneNotch), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(slider, &wheel);
      break;
    }
  }
  DeliverQueued();
}
