#pragma once

#include <QCheckBox>

namespace platform::qt {

// An automatic check box. Windows takes a click anywhere in its rectangle, not only on the box
// and its text.
class WholeRectCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace platform::qt
