#include "fog_anchor_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <cstring>

#include "logic/apply_fog.h"
#include "logic/preview_pixels.h"

namespace {

// The preview: the fogged picture scaled into its place, as the tool draws it.
class PreviewWidget : public QWidget {
 public:
  PreviewWidget(const QImage& image, QWidget* parent) : QWidget(parent), m_image(image) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QSize size = m_image.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), m_image);
  }

 private:
  const QImage& m_image;
};

}  // namespace

FogAnchorDialog::FogAnchorDialog(const QWidget& toolWindow, std::vector<std::uint8_t> samplePicture)
    : m_source(std::move(samplePicture)), m_fogged(128, 96, QImage::Format_RGB32) {
  m_fogged.fill(Qt::white);
  setFont(toolWindow.font());
  setFixedSize(toolWindow.size());
  // Every control where the tool has its counterpart; group boxes and labels as plain Qt's.
  int slider = 0;
  int field = 0;
  for (const QObject* child : toolWindow.children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (control == nullptr) {
      continue;
    }
    const QString className = QString::fromLatin1(control->metaObject()->className());
    QWidget* counterpart = nullptr;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      auto* text = new QLabel(label->text(), this);
      text->setWordWrap(true);
      text->setAlignment(label->alignment());
      counterpart = text;
    } else if (qobject_cast<const QSlider*>(control) != nullptr) {
      auto* each = new QSlider(Qt::Horizontal, this);
      each->setRange(0, 100);
      each->setValue(slider == 3 ? 50 : 100);
      m_sliders[static_cast<std::size_t>(slider++)] = each;
      counterpart = each;
    } else if (qobject_cast<const QLineEdit*>(control) != nullptr) {
      auto* each = new QLineEdit(this);
      each->setReadOnly(true);
      m_fields[static_cast<std::size_t>(field++)] = each;
      counterpart = each;
    } else if (className.endsWith(QLatin1String("PictureWidget"))) {
      m_preview = new PreviewWidget(m_fogged, this);
      counterpart = m_preview;
    } else {
      // The push button, and the group boxes: Qt's QGroupBox makes a plain dialog's repaint
      // about eight times slower here (350-630 us), which would flatter the tool.
      continue;
    }
    counterpart->setGeometry(control->geometry());
  }
  for (QSlider* each : m_sliders) {
    connect(each, &QSlider::sliderReleased, this, &FogAnchorDialog::Update);
  }
  Update();
}

void FogAnchorDialog::Update() {
  const FogColor color{m_sliders[0]->value(), m_sliders[1]->value(), m_sliders[2]->value(),
                       m_sliders[3]->value()};
  const int values[] = {color.m_nAlpha, color.m_nRed, color.m_nGreen, color.m_nBlue};
  for (std::size_t i = 0; i < m_fields.size(); ++i) {
    m_fields[i]->setText(QString::number(values[i]));
  }
  ApplyFog(m_source.data(), m_fogged.bits(), color);
  m_preview->update();
}
