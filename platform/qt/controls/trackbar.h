#pragma once

#include <QSlider>
#include <optional>

#include "platform/win_types.h"

namespace platform::qt {

// A trackbar. It holds the mouse from a left press to its release, wherever the release
// happens, and reports the end with NM_RELEASEDCAPTURE once the slider has taken the release,
// letting go of the mouse right before.
// Every change the user makes is reported with WM_HSCROLL and the Windows scroll code.
class Trackbar : public QSlider {
  Q_OBJECT

 public:
  Trackbar(HWND handle, QWidget* parent);
  ~Trackbar() override;

  // A position chosen at once, as assistive tools set it: reported as TB_THUMBPOSITION.
  void SetPositionAsUser(int position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void RememberAction(int action);
  void ReportChange(int position);

  HWND m_handle;
  std::optional<UINT> m_pendingCode;
};

}  // namespace platform::qt
