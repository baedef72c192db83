#include "platform/qt/dialog_session.h"

#include <QWindow>

#include "platform/cdialog.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/dialog_policy.h"
#include "platform/detail/window_map.h"
#include "platform/gdi.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/controls/accessibility.h"
#include "platform/qt/controls/controls.h"
#include "platform/qt/controls/static_text.h"
#include "platform/qt/dialog_font.h"
#include "platform/qt/window_record.h"
#include "platform/user32.h"

namespace platform::qt {

DialogSession::DialogSession(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner,
                             HINSTANCE resources)
    : m_dialog(dialog) {
  auto record = std::make_unique<WindowRecord>();
  record->id = dialogTemplate.id;
  record->style = dialogTemplate.style;
  record->procedure = DialogProcedure;
  WindowRecord& window = *record;
  m_handle = AddWindow(std::move(record));
  m_window = std::make_unique<DialogWindow>(m_handle);
  window.widget = m_window.get();

  m_window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  m_window->setWindowModality(Qt::ApplicationModal);
  m_window->setWindowTitle(FromAnsi(dialogTemplate.caption));
  const QFont font = DialogFont(dialogTemplate);
  m_window->setFont(font);
  const detail::DialogUnits units = UnitsOf(font);
  m_window->setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

  for (const DialogItemTemplate& item : dialogTemplate.items) {
    const QRect pixels = ToPixels(units, item.x, item.y, item.cx, item.cy);
    if (const HWND control = CreateControl(m_handle, item, pixels, resources)) {
      window.children.push_back(control);
    }
  }
  MakeRoomForTexts(m_window.get(), window.children);
  NameControlsByTheirLabels(window.children);
  StandOver(owner);
}

DialogSession::~DialogSession() {
  detail::DetachDialog(m_dialog);
  for (HWND control : Window(m_handle)->children) {
    if (const WindowRecord* record = Window(control); record->image != nullptr) {
      DeleteObject(record->image);
    }
    RemoveWindow(control);
  }
  RemoveWindow(m_handle);
  m_window.reset();
}

void DialogSession::FocusFirstTabStop() {
  for (HWND control : Window(m_handle)->children) {
    const WindowRecord* record = Window(control);
    if ((record->style & WS_TABSTOP) != 0 && record->widget->isEnabled()) {
      record->widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DialogSession::StandOver(HWND owner) {
  // Stacked over its owner while the owner shows. A hidden owner (the launcher while a helper
  // runs) has nothing on screen to stand over: on Wayland it has no surface at all.
  if (QWidget* ownerWidget = WidgetOf(owner); ownerWidget != nullptr && ownerWidget->isVisible()) {
    m_window->winId();
    m_window->windowHandle()->setTransientParent(ownerWidget->windowHandle());
  }
}

}  // namespace platform::qt

INT_PTR platform::detail::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                         HWND owner, HINSTANCE resources) {
  qt::DialogSession session(dialog, dialogTemplate, owner, resources);
  if (InitialiseDialog(dialog, session.Handle(), dialogTemplate, owner)) {
    session.FocusFirstTabStop();
  }
  // The owner takes no input while the dialog runs, as on Windows.
  QWidget* ownerWidget = qt::WidgetOf(owner);
  const bool ownerWasEnabled = ownerWidget != nullptr && ownerWidget->isEnabled();
  if (ownerWasEnabled) {
    ownerWidget->setEnabled(false);
  }
  const int result = session.Run();
  if (QWidget* stillThere = qt::WidgetOf(owner); ownerWasEnabled && stillThere != nullptr) {
    stillThere->setEnabled(true);
  }
  ::SendMessageA(session.Handle(), WM_DESTROY, 0, 0);
  return result;
}
