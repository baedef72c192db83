#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>
#include <vector>

#include "drag_and_drop.h"
#include "platform/cwnd.h"
#include "slider_thumb.h"
#include "tests/support/backend_steps.h"
#include "tests/support/dialog_driver.h"

class QMenu;
class QMimeData;
class QPushButton;
class QSlider;

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

// The window's default push button.
QPushButton* DefaultButton(QWidget* window);

// Texts that do not fit their control: labels, push buttons and check boxes.
std::vector<QString> ClippedTexts(QWidget* window);

// User input, delivered like a person's: keys go to the focused widget of the window.
void ClickAt(QWidget* widget, QPoint position);
void Click(QWidget* widget);
void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Delivers what the layer queued for after the current event (capture-release notices).
void DeliverQueued();

// Runs `steps` with the next popup menu once it shows (a context menu).
void WhenMenuShows(const std::function<void(QMenu*)>& steps);

// Ends the test, skipped, where this session cannot put text on the clipboard: a Wayland client
// without the keyboard focus (a headless compositor has no keyboard at all).
#define SKIP_WITHOUT_CLIPBOARD()                                     \
  if (!SetClipboardText("")) {                                       \
    GTEST_SKIP() << "this session cannot put text on the clipboard"; \
  }
