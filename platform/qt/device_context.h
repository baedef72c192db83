#pragma once

#include <QPainter>
#include <QRect>

#include "platform/win_types.h"

class QWidget;

namespace platform::qt {

// What a device context handle names: a painter on a window for the length of one paint.
struct DeviceContext {
  explicit DeviceContext(QWidget* widget);
  QPainter painter;
  QRect bounds;
};

HDC AddDeviceContext(QWidget* widget);
// The live context, or null.
DeviceContext* Context(HDC hDC);
void RemoveDeviceContext(HDC hDC);

}  // namespace platform::qt
