#include "platform/qt/device_context.h"

#include <QWidget>
#include <memory>

#include "platform/qt/handles.h"

namespace platform::qt {

namespace {

HandleTable<HDC, DeviceContext>& Contexts() {
  static HandleTable<HDC, DeviceContext> contexts;
  return contexts;
}

}  // namespace

DeviceContext::DeviceContext(QWidget* widget) : painter(widget), bounds(widget->rect()) {}

HDC AddDeviceContext(QWidget* widget) {
  return Contexts().Add(std::make_unique<DeviceContext>(widget));
}

DeviceContext* Context(HDC hDC) {
  return Contexts().Find(hDC);
}

void RemoveDeviceContext(HDC hDC) {
  Contexts().Remove(hDC);
}

}  // namespace platform::qt
