#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <vector>

class QLineEdit;
class QSlider;

// The anchor for the slider-release benchmark: the Fog Settings Helper as a plain Qt program
// would write it, with the same sliders, fields, labels and preview in the same places (taken
// from the tool's window), but no group box frames, and the same work on a release: read the
// four sliders, write the four fields, blend the fog over the sample picture and repaint the
// preview.
class FogAnchorDialog : public QDialog {
 public:
  FogAnchorDialog(const QWidget& toolWindow, std::vector<std::uint8_t> samplePicture);

  QSlider* Alpha() const { return m_sliders[3]; }
  QWidget* Preview() const { return m_preview; }

 private:
  void Update();

  std::array<QSlider*, 4> m_sliders{};
  std::array<QLineEdit*, 4> m_fields{};
  QWidget* m_preview = nullptr;
  std::vector<std::uint8_t> m_source;
  QImage m_fogged;
};
