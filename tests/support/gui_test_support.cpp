#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/internal/dialog_window.h"
#include "platform/internal/window_record.h"

namespace {

constexpr int kTimeLimitMs = 10000;

// Ends whatever modal window is on top: a message box, or a dialog of the platform.
void CloseTopModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
    box->done(QMessageBox::Ok);
  } else if (auto* dialog = dynamic_cast<DialogWindow*>(modal)) {
    dialog->EndModal(-2);
  } else {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* stray = dynamic_cast<DialogWindow*>(window);
          stray != nullptr && stray->isVisible()) {
        stray->EndModal(-2);
      }
    }
  }
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps) {
  WhenModalStarts(steps);
  QTimer watchdog;
  watchdog.setInterval(kTimeLimitMs);
  bool failed = false;
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (!failed) {
      ADD_FAILURE() << "the dialog was still running after " << kTimeLimitMs << " ms";
      failed = true;
      watchdog.setInterval(50);
    }
    CloseTopModal();
  });
  watchdog.start();
  return dialog.DoModal();
}

void WhenModalStarts(const std::function<void()>& steps) {
  QTimer::singleShot(0, steps);
}

QWidget* WindowOf(const CWnd& window) {
  return window.m_hWnd != nullptr ? window.m_hWnd->widget : nullptr;
}

QWidget* ControlOf(const CWnd& dialog, int id) {
  const CWnd* control = dialog.GetDlgItem(id);
  return control != nullptr ? WindowOf(*control) : nullptr;
}

void ClickAt(QWidget* widget, QPoint position) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, position);
}

void Click(QWidget* widget) {
  ClickAt(widget, widget->rect().center());
}

void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

void DeliverQueued() {
  QCoreApplication::processEvents();
}

class MessageBoxRecorder::Filter : public QObject {
 public:
  std::vector<Box> boxes;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = dynamic_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      boxes.push_back({box->windowTitle(), box->text()});
      QMetaObject::invokeMethod(
          box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
    }
    return false;
  }
};

MessageBoxRecorder::MessageBoxRecorder() : m_filter(new Filter) {
  QApplication::instance()->installEventFilter(m_filter);
}

MessageBoxRecorder::~MessageBoxRecorder() {
  delete m_filter;
}

const std::vector<MessageBoxRecorder::Box>& MessageBoxRecorder::Boxes() const {
  return m_filter->boxes;
}

std::vector<QString> MessageBoxRecorder::Texts() const {
  std::vector<QString> texts;
  for (const Box& box : m_filter->boxes) {
    texts.push_back(box.text);
  }
  return texts;
}
