#include "tests/support/qt/gui_test_support.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/qt/window_record.h"

void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  QTimer::singleShot(0, [ready, steps] {
    if (ready()) {
      steps();
    } else {
      RunWhen(ready, steps);
    }
  });
}

QWidget* WindowOf(const CWnd& window) {
  return platform::qt::WidgetOf(window.m_hWnd);
}

QWidget* ControlOf(const CWnd& dialog, int id) {
  const CWnd* control = dialog.GetDlgItem(id);
  return control != nullptr ? WindowOf(*control) : nullptr;
}

void ClickAt(QWidget* widget, QPoint position) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, position);
}

void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

void DeliverQueued() {
  QCoreApplication::processEvents();
}
