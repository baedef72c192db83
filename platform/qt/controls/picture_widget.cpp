#include "platform/qt/controls/picture_widget.h"

#include <QPainter>

#include "platform/gdi.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/bitmap_record.h"
#include "platform/qt/controls/controls.h"
#include "platform/qt/window_record.h"
#include "platform/win_constants.h"

namespace platform::qt {

// Opaque: it paints every pixel of its rectangle itself, so that a new picture repaints only
// the picture, not the group box and the dialog behind it.
PictureWidget::PictureWidget(HWND handle, QWidget* parent) : QWidget(parent), m_handle(handle) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const WindowRecord* record = Window(m_handle);
  const BitmapRecord* bitmap = record != nullptr ? Bitmap(record->image) : nullptr;
  if (bitmap == nullptr) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  QSize size = bitmap->image.size();
  size.scale(this->size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  // The margins the picture's proportions leave show the dialog's background.
  const QRect margins[] = {
      QRect(0, 0, target.left(), height()),
      QRect(target.right() + 1, 0, width() - target.right() - 1, height()),
      QRect(target.left(), 0, target.width(), target.top()),
      QRect(target.left(), target.bottom() + 1, target.width(), height() - target.bottom() - 1)};
  for (const QRect& margin : margins) {
    if (!margin.isEmpty()) {
      painter.fillRect(margin, palette().window());
    }
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, bitmap->image);
}

namespace {

LRESULT StaticPictureProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
  if (message == STM_GETIMAGE && wParam == IMAGE_BITMAP) {
    return reinterpret_cast<LRESULT>(Window(hWnd)->image);
  }
  return 0;
}

}  // namespace

void MakeStaticPicture(HWND control, const DialogItemTemplate& item, HINSTANCE resources) {
  WindowRecord& record = *Window(control);
  record.image = LoadBitmapA(resources, MAKEINTRESOURCEA(item.imageId));
  record.widget = new PictureWidget(control, DialogWidgetOf(control));
  record.widget->setFocusPolicy(Qt::NoFocus);
  record.widget->setAccessibleDescription(FromAnsi(item.accessibleDescription));
  record.procedure = StaticPictureProc;
}

}  // namespace platform::qt
