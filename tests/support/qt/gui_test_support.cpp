#include "tests/support/qt/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
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

void WhenMenuShows(const std::function<void(QMenu*)>& steps) {
  RunWhen([] { return dynamic_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
          [steps] { steps(dynamic_cast<QMenu*>(QApplication::activePopupWidget())); });
}

QPushButton* DefaultButton(QWidget* window) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->isDefault()) {
      return button;
    }
  }
  return nullptr;
}

std::vector<QString> ClippedTexts(QWidget* window) {
  std::vector<QString> clipped;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (auto* label = dynamic_cast<QLabel*>(widget)) {
      if (label->heightForWidth(label->width()) > label->height() ||
          label->fontMetrics().horizontalAdvance(label->text().split(' ').first()) >
              label->width()) {
        clipped.push_back(label->text());
      }
    } else if (auto* box = dynamic_cast<QCheckBox*>(widget)) {
      if (box->sizeHint().width() > box->width() || box->fontMetrics().height() > box->height()) {
        clipped.push_back(box->text());
      }
    } else if (auto* button = dynamic_cast<QPushButton*>(widget)) {
      const QFontMetrics metrics = button->fontMetrics();
      if (metrics.horizontalAdvance(button->text()) + 4 > button->width() ||
          metrics.height() + 4 > button->height()) {
        clipped.push_back(button->text());
      }
    }
  }
  return clipped;
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

void Click(QWidget* widget) {
  ClickAt(widget, widget->rect().center());
}

void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

void DeliverQueued() {
  QCoreApplication::processEvents();
}
