#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
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

class ModalWatchdog::Timer : public QTimer {
 public:
  Timer() {
    setInterval(kTimeLimitMs);
    connect(this, &QTimer::timeout, [this] {
      if (!m_failed) {
        ADD_FAILURE() << "a modal window was still running after " << kTimeLimitMs << " ms";
        m_failed = true;
        setInterval(50);
      }
      CloseTopModal();
    });
    start();
  }

 private:
  bool m_failed = false;
};

ModalWatchdog::ModalWatchdog() : m_timer(new Timer) {}

ModalWatchdog::~ModalWatchdog() {
  delete m_timer;
}

namespace {

// Runs `steps` from the event loop as soon as `ready` holds.
void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  QTimer::singleShot(0, [ready, steps] {
    if (ready()) {
      steps();
    } else {
      RunWhen(ready, steps);
    }
  });
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps) {
  const ModalWatchdog watchdog;
  RunWhen(
      [&dialog] {
        QWidget* window = WindowOf(dialog);
        return window != nullptr && window->isVisible() &&
               QApplication::activeModalWidget() == window;
      },
      steps);
  return dialog.DoModal();
}

INT_PTR RunModalThenDone(CDialog& dialog, const std::function<void()>& steps) {
  return RunModal(dialog, [&] {
    steps();
    Click(DefaultButton(WindowOf(dialog)));
  });
}

void WhenModalStarts(const std::function<void()>& steps) {
  QWidget* before = QApplication::activeModalWidget();
  RunWhen(
      [before] {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != before && dynamic_cast<DialogWindow*>(modal) != nullptr;
      },
      steps);
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
  return window.m_hWnd != nullptr ? window.m_hWnd->widget : nullptr;
}

QWidget* ControlOf(const CWnd& dialog, int id) {
  const CWnd* control = dialog.GetDlgItem(id);
  return control != nullptr ? WindowOf(*control) : nullptr;
}

QPoint ThumbCentre(QSlider* slider) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  return slider->style()
      ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
      .center();
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
