#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "tests/support/qt/gui_test_support.h"

// Real input to the real slider. A press and its release come back to back, as a busy program
// takes them from the window system in one go: what either queued is delivered after both.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  auto* slider = ControlAs<QSlider>(dialog, id);
  const QPoint grip = ThumbCentre(slider);
  // Towards the end with more room, so that the slider always moves.
  const int toEnd = grip.x() < slider->width() / 2 ? 1 : -1;
  const QPoint past(toEnd > 0 ? slider->width() + 20 : -20, grip.y());
  const QPoint groove(toEnd > 0 ? slider->width() - 4 : 4, grip.y());
  switch (gesture) {
    case SliderGesture::kKey:
      slider->setFocus();
      PressKey(WindowOf(dialog), toEnd > 0 ? Qt::Key_Right : Qt::Key_Left);
      break;
    case SliderGesture::kDragThumb:
      QTest::mousePress(slider, Qt::LeftButton, {}, grip);
      QTest::mouseMove(slider, (grip + past) / 2);
      QTest::mouseMove(slider, past);
      QTest::mouseRelease(slider, Qt::LeftButton, {}, past);
      break;
    case SliderGesture::kClickTrack:
      QTest::mousePress(slider, Qt::LeftButton, {}, groove);
      QTest::mouseRelease(slider, Qt::LeftButton, {}, groove);
      break;
    case SliderGesture::kWheel: {
      QWheelEvent wheel(grip, slider->mapToGlobal(grip), {}, {0, 120 * toEnd}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);  // one notch
      QApplication::sendEvent(slider, &wheel);
      break;
    }
  }
  DeliverQueued();
}
