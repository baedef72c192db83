#include "slider_thumb.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

QPoint ThumbCentre(QSlider* slider) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  return slider->style()
      ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
      .center();
}
