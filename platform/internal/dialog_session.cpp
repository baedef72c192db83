#include "dialog_session.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "ansi_text.h"
#include "controls/accessibility.h"
#include "controls/controls.h"
#include "dialog_units.h"
#include "platform/cdialog.h"
#include "platform/gdi.h"

namespace {

LRESULT DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return hWnd->wnd->WindowProc(message, wParam, lParam);
}

}  // namespace

DialogSession::DialogSession(CDialog& dialog, const DialogTemplate& dialogTemplate,
                             HINSTANCE resources, CWnd* owner)
    : m_dialog(dialog), m_record(std::make_unique<HWND__>()) {
  m_window = std::make_unique<DialogWindow>(m_record.get());
  m_record->widget = m_window.get();
  m_record->id = dialogTemplate.id;
  m_record->style = dialogTemplate.style;
  m_record->proc = DialogProc;
  m_record->wnd = &dialog;
  RegisterWindow(m_record.get());
  dialog.m_hWnd = m_record.get();

  m_window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  m_window->setWindowModality(Qt::ApplicationModal);
  m_window->setWindowTitle(FromAnsi(dialogTemplate.caption));
  const QFont font = DialogFont(dialogTemplate);
  m_window->setFont(font);
  const DialogUnits units = DialogUnits::ForFont(font);
  m_window->setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

  for (const DialogItemTemplate& item : dialogTemplate.items) {
    const QRect pixels = units.ToPixels(item.x, item.y, item.cx, item.cy);
    if (std::unique_ptr<HWND__> control = CreateControl(m_record.get(), item, pixels, resources)) {
      RegisterWindow(control.get());
      m_record->children.push_back(std::move(control));
    }
  }
  NameControlsByTheirLabels(m_record->children);
  PlaceOver(owner);
}

DialogSession::~DialogSession() {
  for (const std::unique_ptr<HWND__>& control : m_record->children) {
    UnregisterWindow(control.get());
    if (control->image != nullptr) {
      DeleteObject(control->image);
    }
  }
  UnregisterWindow(m_record.get());
  m_dialog.m_hWnd = nullptr;
  m_window.reset();
}

void DialogSession::FocusFirstTabStop() {
  for (const std::unique_ptr<HWND__>& control : m_record->children) {
    if ((control->style & WS_TABSTOP) != 0 && control->widget->isEnabled()) {
      control->widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DialogSession::PlaceOver(CWnd* owner) {
  QWidget* ownerWidget =
      owner != nullptr && IsLiveWindow(owner->m_hWnd) ? owner->m_hWnd->widget : nullptr;
  QRect area;
  if (ownerWidget != nullptr) {
    area = ownerWidget->frameGeometry();
    m_window->winId();
    ownerWidget->winId();
    m_window->windowHandle()->setTransientParent(ownerWidget->windowHandle());
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  m_window->move(area.center() - QPoint(m_window->width() / 2, m_window->height() / 2));
}
