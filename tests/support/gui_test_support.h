#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>
#include <vector>

#include "platform/cdialog.h"

// Shows QStrings readably in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// While it lives, fails the test and closes every modal window should a modal run last longer
// than a time limit (a failed step that never closed its dialog).
class ModalWatchdog {
 public:
  ModalWatchdog();
  ~ModalWatchdog();
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

 private:
  class Timer;
  Timer* m_timer;
};

// Runs `steps` inside the dialog's modal loop once its window is up, and returns DoModal's
// result, under a watchdog.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps);

// The same, then presses the dialog's default button, as a user closes it with "Done".
INT_PTR RunModalThenDone(CDialog& dialog, const std::function<void()>& steps);

// Runs `steps` once another dialog than the one now on top runs modally (a dialog that a
// handler opens); message boxes do not count.
void WhenModalStarts(const std::function<void()>& steps);

// Runs `steps` with the next popup menu once it shows (a context menu).
class QMenu;
void WhenMenuShows(const std::function<void(QMenu*)>& steps);

// The widgets behind a dialog's window and its controls.
QWidget* WindowOf(const CWnd& window);
QWidget* ControlOf(const CWnd& dialog, int id);
template <class Widget>
Widget* ControlAs(const CWnd& dialog, int id) {
  return dynamic_cast<Widget*>(ControlOf(dialog, id));
}

// The window's default push button.
class QPushButton;
QPushButton* DefaultButton(QWidget* window);

// Texts that do not fit their control: labels, push buttons and check boxes.
std::vector<QString> ClippedTexts(QWidget* window);

// The middle of a slider's thumb, where a user grabs it.
class QSlider;
QPoint ThumbCentre(QSlider* slider);

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
