#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include "platform/detail/resources.h"
#include "platform/detail/running_dialogs.h"
#include "tests/support/qt/gui_test_support.h"

void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  QTimer::singleShot(0, [ready, steps] { ready() ? steps() : RunWhen(ready, steps); });
}

bool IsShown(const CWnd& window) {
  return WindowOf(window) != nullptr && WindowOf(window)->isVisible();
}

bool IsInFront(const CDialog& dialog) {
  return IsShown(dialog) && QApplication::activeModalWidget() == WindowOf(dialog);
}

bool IsEnabled(const CWnd& window) {
  return WindowOf(window) != nullptr && WindowOf(window)->isEnabled();
}

class ModalTimeLimit::Impl : public QTimer {};

// Fails once, then every 50 ms ends the modal window in front: a box, file dialog or dialog.
ModalTimeLimit::ModalTimeLimit(int seconds) : m_impl(std::make_unique<Impl>()) {
  QObject::connect(m_impl.get(), &QTimer::timeout, [timer = m_impl.get(), seconds] {
    if (timer->interval() != 50) {
      ADD_FAILURE() << "a modal window was still running after " << seconds << " s";
      timer->setInterval(50);
    }
    QWidget* front = QApplication::activeModalWidget();
    if (dynamic_cast<QMessageBox*>(front) != nullptr || dynamic_cast<QFileDialog*>(front)) {
      static_cast<QDialog*>(front)->reject();
    } else if (CDialog* dialog = platform::detail::InnermostRunningDialog()) {
      dialog->EndDialog(-2);
    }
  });
  m_impl->start(seconds * 1000);
}

ModalTimeLimit::~ModalTimeLimit() = default;

// Answers each message box from its own loop, once it runs.
class MessageBoxRecorder::Impl : public QObject {
 public:
  explicit Impl(MessageBoxRecorder& recorder) : m_recorder(recorder) {
    QApplication::instance()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* box = dynamic_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
      QTimer::singleShot(0, box, [this, box] {
        m_recorder.Record(box->windowTitle().toLatin1().toStdString(),
                          box->text().toLatin1().toStdString());
        box->button(QMessageBox::Ok)->click();
      });
    }
    return false;
  }

  MessageBoxRecorder& m_recorder;
};

MessageBoxRecorder::MessageBoxRecorder(std::function<void()> whileShown)
    : m_whileShown(std::move(whileShown)), m_impl(std::make_unique<Impl>(*this)) {}

MessageBoxRecorder::~MessageBoxRecorder() = default;

void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files) {
  QList<QUrl> urls;
  for (const std::filesystem::path& file : files) {
    urls << QUrl::fromLocalFile(QFile::decodeName(file.c_str()));
  }
  QMimeData data;
  data.setUrls(urls);
  DragAndDrop(WindowOf(dialog), WindowOf(dialog)->rect().center(), data);
  QCoreApplication::processEvents();  // the dialog hears of the drop once it is over, as on Windows
}

void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
          [file] {
            auto* dialog = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog->selectFile(QFile::decodeName(file.c_str()));
            // Open's way, which takes only a file that exists; no file cancels.
            file.empty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
          });
}

bool SetClipboardText(const std::string& text) {
  // Whether an empty text was taken cannot be seen: a marker shows that the clipboard works.
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("clipboard marker");
  const bool works = clipboard->text() == "clipboard marker";
  const QString unicode = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  clipboard->setText(unicode);
  return works && clipboard->text() == unicode;
}

bool ClearClipboard() {
  const bool works = SetClipboardText("");
  QApplication::clipboard()->clear();
  return works && QApplication::clipboard()->text().isEmpty();
}

HINSTANCE ResourcesWithoutBitmaps() {
  static ResourceTable withoutBitmaps = *platform::detail::ProgramResourceTable();
  withoutBitmaps.bitmaps = {};
  return &withoutBitmaps;
}

// Real input to the real slider. A press and its release come back to back, as a busy program
// takes them from the window system in one go: what either queued is delivered after both.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  auto* slider = ControlAs<QSlider>(dialog, id);
  const QPoint grip = ThumbCentre(slider);
  const int toEnd = grip.x() < slider->width() / 2 ? 1 : -1;
  const QPoint past(toEnd > 0 ? slider->width() + 20 : -20, grip.y());
  if (gesture == SliderGesture::kKey) {
    slider->setFocus();
    PressKey(WindowOf(dialog), toEnd > 0 ? Qt::Key_Right : Qt::Key_Left);
  } else if (gesture == SliderGesture::kDragThumb) {
    QTest::mousePress(slider, Qt::LeftButton, {}, grip);
    QTest::mouseMove(slider, (grip + past) / 2);
    QTest::mouseMove(slider, past);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, past);
  } else if (gesture == SliderGesture::kClickTrack) {  // on the groove, just inside the end
    QTest::mouseClick(slider, Qt::LeftButton, {}, {toEnd > 0 ? slider->width() - 4 : 4, grip.y()});
  } else {
    QWheelEvent wheel(grip, slider->mapToGlobal(grip), {}, {0, 120 * toEnd}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);  // one notch
    QApplication::sendEvent(slider, &wheel);
  }
  QCoreApplication::processEvents();
}
