#pragma once

#include <QWidget>

#include "platform/win_types.h"

namespace platform::qt {

// A static picture: shows the bitmap its window record holds, scaled to its rectangle with the
// picture's proportions kept, so that it fills its place at any font size. A deleted bitmap
// shows nothing. Assistive tools see an image.
class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  PictureWidget(HWND handle, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HWND m_handle;
};

}  // namespace platform::qt
