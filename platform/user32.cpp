#include "user32.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>
#include <map>
#include <memory>

#include "internal/ansi_text.h"
#include "internal/gdi_objects.h"
#include "internal/icon_file.h"
#include "internal/window_record.h"
#include "resource_table.h"

namespace {

constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;

std::unique_ptr<HICON__> ReadIcon(const BinaryResource& resource) {
  auto icon = std::make_unique<HICON__>();
  for (const QImage& image : ReadIconImages(resource.bytes)) {
    if (image.width() == kIconSize) {
      icon->large = image;
    } else if (image.width() == kSmallIconSize) {
      icon->small = image;
    }
  }
  if (icon->large.isNull()) {
    return nullptr;
  }
  if (icon->small.isNull()) {
    icon->small = icon->large.scaled(kSmallIconSize, kSmallIconSize, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
  }
  return icon;
}

}  // namespace

LRESULT SendMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsLiveWindow(hWnd) || hWnd->proc == nullptr) {
    return 0;
  }
  return hWnd->proc(hWnd, message, wParam, lParam);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  if (!IsLiveWindow(hWnd)) {
    return FALSE;
  }
  const BOOL wasVisible = hWnd->widget->isVisible() ? TRUE : FALSE;
  if (nCmdShow == SW_HIDE) {
    hWnd->widget->hide();
  } else if (nCmdShow == SW_SHOW) {
    hWnd->widget->show();
  }
  return wasVisible;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  if (!IsLiveWindow(hWnd)) {
    return FALSE;
  }
  const BOOL wasDisabled = hWnd->widget->isEnabled() ? FALSE : TRUE;
  hWnd->widget->setEnabled(bEnable != FALSE);
  return wasDisabled;
}

BOOL IsIconic(HWND hWnd) {
  return IsLiveWindow(hWnd) && hWnd->widget->isMinimized();
}

BOOL GetClientRect(HWND hWnd, RECT* lpRect) {
  if (!IsLiveWindow(hWnd) || lpRect == nullptr) {
    return FALSE;
  }
  *lpRect = {0, 0, hWnd->widget->width(), hWnd->widget->height()};
  return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL) {
  if (!IsLiveWindow(hWnd)) {
    return FALSE;
  }
  if (lpRect == nullptr) {
    hWnd->widget->update();
  } else {
    hWnd->widget->update(
        QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)));
  }
  return TRUE;
}

HWND GetCapture() {
  return CapturedWindow();
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  QMessageBox box(IsLiveWindow(hWnd) ? hWnd->widget->window() : nullptr);
  box.setWindowTitle(lpCaption != nullptr ? FromAnsi(lpCaption)
                                          : QCoreApplication::applicationName());
  box.setTextFormat(Qt::PlainText);
  box.setText(FromAnsi(lpText));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (!IS_INTRESOURCE(lpIconName)) {
    return nullptr;
  }
  const WORD id = LOWORD(reinterpret_cast<std::uintptr_t>(lpIconName));
  // Icons are shared: every load of the same resource gives the same handle.
  static std::map<std::pair<HINSTANCE, WORD>, std::unique_ptr<HICON__>> loaded;
  std::unique_ptr<HICON__>& icon = loaded[{hInstance, id}];
  if (!icon) {
    if (const BinaryResource* resource = FindIcon(hInstance, id)) {
      icon = ReadIcon(*resource);
    }
  }
  return icon.get();
}

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon) {
  if (hDC == nullptr || hIcon == nullptr) {
    return FALSE;
  }
  hDC->painter.drawImage(QRect(x, y, kIconSize, kIconSize), hIcon->large);
  return TRUE;
}

int GetSystemMetrics(int nIndex) {
  return nIndex == SM_CXICON || nIndex == SM_CYICON ? kIconSize : 0;
}
