#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/cdialog.h"

// Runs `steps` inside the dialog's modal loop once its window is up, and returns DoModal's
// result. Should the dialog still run after a time limit (a failed step that never closed it),
// the test fails and every modal window is closed.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps);

// Runs `steps` once the next modal loop has started (for a dialog opened by a handler).
void WhenModalStarts(const std::function<void()>& steps);

// The widgets behind a dialog's window and its controls.
QWidget* WindowOf(const CWnd& window);
QWidget* ControlOf(const CWnd& dialog, int id);
template <class Widget>
Widget* ControlAs(const CWnd& dialog, int id) {
  return dynamic_cast<Widget*>(ControlOf(dialog, id));
}

// User input, delivered like a person's: keys go to the focused widget of the window.
void ClickAt(QWidget* widget, QPoint position);
void Click(QWidget* widget);
void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Delivers what the platform queued for after the current event (capture-release notices).
void DeliverQueued();

// Every message box shown while it lives: its caption and text. Each is answered with OK.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  struct Box {
    QString caption;
    QString text;
  };
  const std::vector<Box>& Boxes() const;
  std::vector<QString> Texts() const;

 private:
  class Filter;
  Filter* m_filter;
};
