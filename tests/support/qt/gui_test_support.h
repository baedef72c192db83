#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTest>
#include <QWidget>
#include <ostream>

#include "drag_and_drop.h"
#include "platform/qt/window_record.h"
#include "slider_thumb.h"
#include "tests/support/backend_steps.h"
#include "tests/support/dialog_driver.h"

// What only the Qt backend's tests do: look at the widgets and drive them with real input.

// Shows QStrings readably in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// The widgets behind a window and a dialog's controls.
inline QWidget* WindowOf(const CWnd& window) {
  return platform::qt::WidgetOf(window.m_hWnd);
}
template <class Widget = QWidget>
Widget* ControlAs(const CWnd& dialog, int id) {
  const CWnd* control = dialog.GetDlgItem(id);
  return control != nullptr ? dynamic_cast<Widget*>(WindowOf(*control)) : nullptr;
}

// A key pressed and let go as a person does it: it goes to the window's focused widget.
inline void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}
