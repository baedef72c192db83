#include <QLabel>
#include <QPainter>

#include "controls.h"
#include "internal/ansi_text.h"
#include "internal/gdi_objects.h"
#include "platform/gdi.h"

namespace {

// Shows the bitmap its record holds, scaled to its rectangle with the picture's proportions
// kept, so that it fills its place at any font size. A deleted bitmap shows nothing.
class PictureWidget : public QWidget {
 public:
  PictureWidget(HWND record, QWidget* parent) : QWidget(parent), m_record(record) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    const BitmapRecord* bitmap = FindBitmapRecord(m_record->image);
    if (bitmap == nullptr) {
      return;
    }
    QSize size = bitmap->image.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, bitmap->image);
  }

 private:
  HWND m_record;
};

LRESULT StaticPictureProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
  if (message == STM_GETIMAGE && wParam == IMAGE_BITMAP) {
    return reinterpret_cast<LRESULT>(hWnd->image);
  }
  return 0;
}

}  // namespace

void MakeStaticText(HWND control, const DialogItemTemplate& item) {
  auto* label = new QLabel(FromAnsi(item.text), control->parent->widget);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  const Qt::Alignment horizontal =
      (item.style & SS_TYPEMASK) == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignTop);
  control->widget = label;
  control->proc = TextWindowProc<QLabel, &QLabel::text, &QLabel::setText>;
}

void MakeStaticPicture(HWND control, const DialogItemTemplate& item, HINSTANCE resources) {
  control->image = LoadBitmapA(resources, MAKEINTRESOURCEA(item.imageId));
  control->widget = new PictureWidget(control, control->parent->widget);
  control->widget->setFocusPolicy(Qt::NoFocus);
  control->proc = StaticPictureProc;
}
