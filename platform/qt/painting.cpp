#include <QWidget>

#include "platform/detail/backend_contract.h"
#include "platform/qt/device_context.h"
#include "platform/qt/window_record.h"

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
  QWidget* widget = platform::qt::WidgetOf(hWnd);
  if (widget == nullptr || lpPaint == nullptr) {
    return nullptr;
  }
  const HDC context = platform::qt::AddDeviceContext(widget);
  *lpPaint = {context, FALSE, {0, 0, widget->width(), widget->height()}};
  return context;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
  if (lpPaint == nullptr || platform::qt::Context(lpPaint->hdc) == nullptr) {
    return FALSE;
  }
  platform::qt::RemoveDeviceContext(lpPaint->hdc);
  return TRUE;
}
