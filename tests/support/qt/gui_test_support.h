#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QWidget>
#include <ostream>

#include "drag_and_drop.h"
#include "platform/cwnd.h"
#include "slider_thumb.h"
#include "tests/support/backend_steps.h"
#include "tests/support/dialog_driver.h"

// What only the Qt backend's tests do: look at the widgets and drive them with real input.

// Shows QStrings readably in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// The widgets behind a window and a dialog's controls.
QWidget* WindowOf(const CWnd& window);
QWidget* ControlOf(const CWnd& dialog, int id);
template <class Widget>
Widget* ControlAs(const CWnd& dialog, int id) {
  return dynamic_cast<Widget*>(ControlOf(dialog, id));
}

// User input, delivered like a person's: keys go to the focused widget of the window.
void ClickAt(QWidget* widget, QPoint position);
void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Delivers what the layer queued for after the current event (capture-release notices).
void DeliverQueued();

// Ends the test, skipped, where this session cannot put text on the clipboard: a Wayland client
// without the keyboard focus (a headless compositor has no keyboard at all).
#define SKIP_WITHOUT_CLIPBOARD()                                     \
  if (!SetClipboardText("")) {                                       \
    GTEST_SKIP() << "this session cannot put text on the clipboard"; \
  }
