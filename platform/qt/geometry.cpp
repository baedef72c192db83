#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/detail/backend_contract.h"
#include "platform/qt/window_record.h"

namespace platform::detail {

RECT WorkAreaOf(HWND window) {
  const QWidget* widget = qt::WidgetOf(window);
  const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {};
  }
  const QRect area = screen->availableGeometry();
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void MoveFrameTo(HWND window, POINT corner) {
  if (QWidget* widget = qt::WidgetOf(window)) {
    widget->move(corner.x, corner.y);
  }
}

}  // namespace platform::detail
