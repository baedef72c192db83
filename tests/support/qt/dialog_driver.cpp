#include "tests/support/dialog_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "platform/detail/resources.h"
#include "platform/detail/running_dialogs.h"
#include "tests/support/qt/gui_test_support.h"

bool IsInFront(const CDialog& dialog) {
  QWidget* window = WindowOf(dialog);
  return window != nullptr && window->isVisible() && QApplication::activeModalWidget() == window;
}

// Fails once, then ends the modal window in front every 50 ms: a message box, a file dialog or
// the innermost dialog.
class ModalTimeLimit::Impl : public QTimer {
 public:
  explicit Impl(int seconds) {
    connect(this, &QTimer::timeout, [this, seconds] {
      if (interval() != kAgain) {
        ADD_FAILURE() << "a modal window was still running after " << seconds << " s";
        setInterval(kAgain);
      }
      QWidget* front = QApplication::activeModalWidget();
      if (dynamic_cast<QMessageBox*>(front) != nullptr || dynamic_cast<QFileDialog*>(front)) {
        static_cast<QDialog*>(front)->reject();
      } else if (CDialog* dialog = platform::detail::InnermostRunningDialog()) {
        dialog->EndDialog(-2);
      }
    });
    start(seconds * 1000);
  }

 private:
  static constexpr int kAgain = 50;
};

ModalTimeLimit::ModalTimeLimit(int seconds) : m_impl(std::make_unique<Impl>(seconds)) {}

ModalTimeLimit::~ModalTimeLimit() = default;

// Answers each message box from its own loop, once it runs.
class MessageBoxRecorder::Impl : public QObject {
 public:
  explicit Impl(MessageBoxRecorder& recorder) : m_recorder(recorder) {
    QApplication::instance()->installEventFilter(this);
  }

 protected:
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

 private:
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
  DeliverQueued();  // the dialog hears of the drop once it is over, as on Windows
}

void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
          [file] {
            auto* dialog = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (file.empty()) {
              dialog->reject();
              return;
            }
            dialog->selectFile(QFile::decodeName(file.c_str()));
            static_cast<QDialog*>(dialog)->accept();  // the Open button's: the file must exist
          });
}

bool IsShown(const CWnd& window) {
  return WindowOf(window) != nullptr && WindowOf(window)->isVisible();
}

bool IsEnabled(const CWnd& window) {
  return WindowOf(window) != nullptr && WindowOf(window)->isEnabled();
}

bool SetClipboardText(const std::string& text) {
  // Whether an empty text was taken cannot be seen: a marker shows that the clipboard works.
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("clipboard marker");
  const QString unicode = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const bool works = clipboard->text() == "clipboard marker";
  clipboard->setText(unicode);
  return works && clipboard->text() == unicode;
}

bool ClearClipboard() {
  const bool works = SetClipboardText("");
  QApplication::clipboard()->clear();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return works && (data == nullptr || !data->hasText());
}

HINSTANCE ResourcesWithoutBitmaps() {
  static ResourceTable withoutBitmaps;
  withoutBitmaps = *platform::detail::ProgramResourceTable();
  withoutBitmaps.bitmaps = {};
  return &withoutBitmaps;
}
