#include "tests/support/dialog_driver.h"
#include "tests/support/backend_steps.h"

#include <gtest/gtest.h>

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
#include "platform/qt/window_record.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

// Ends whatever modal window is in front: a message box, a file dialog, or the innermost dialog.
void EndTopModal() {
  if (auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget())) {
    box->done(QMessageBox::Ok);
  } else if (auto* files = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget())) {
    files->reject();
  } else if (CDialog* dialog = platform::detail::InnermostRunningDialog()) {
    dialog->EndDialog(-2);
  }
}

}  // namespace

bool IsInFront(const CDialog& dialog) {
  QWidget* window = WindowOf(dialog);
  return window != nullptr && window->isVisible() && QApplication::activeModalWidget() == window;
}

class ModalTimeLimit::Impl : public QTimer {
 public:
  explicit Impl(int seconds) {
    setInterval(seconds * 1000);
    connect(this, &QTimer::timeout, [this, seconds] {
      if (!m_failed) {
        ADD_FAILURE() << "a modal window was still running after " << seconds << " s";
        m_failed = true;
        setInterval(50);
      }
      EndTopModal();
    });
    start();
  }

 private:
  bool m_failed = false;
};

ModalTimeLimit::ModalTimeLimit(int seconds) : m_impl(std::make_unique<Impl>(seconds)) {}

ModalTimeLimit::~ModalTimeLimit() = default;

class MessageBoxRecorder::Impl : public QObject {
 public:
  explicit Impl(MessageBoxRecorder& recorder) : m_recorder(recorder) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = dynamic_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      // From the box's own loop, once it runs.
      QMetaObject::invokeMethod(
          box,
          [this, box] {
            m_recorder.Record(box->windowTitle().toLatin1().toStdString(),
                              box->text().toLatin1().toStdString());
            box->button(QMessageBox::Ok)->click();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  MessageBoxRecorder& m_recorder;
};

void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files) {
  QList<QUrl> urls;
  for (const std::filesystem::path& file : files) {
    urls << QUrl::fromLocalFile(QFile::decodeName(QByteArray(file.c_str())));
  }
  QMimeData data;
  data.setUrls(urls);
  QWidget* window = WindowOf(dialog);
  DragAndDrop(window, window->rect().center(), data);
  // The dialog's notice of the drop comes once the drop is over, as on Windows.
  DeliverQueued();
}

void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
          [file] {
            auto* dialog = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (file.empty()) {
              dialog->reject();
              return;
            }
            dialog->selectFile(QFile::decodeName(QByteArray(file.c_str())));
            // The file dialog's own accept, the Open button's: it checks the file exists.
            static_cast<QDialog*>(dialog)->accept();
          });
}

bool IsShown(const CWnd& window) {
  const QWidget* widget = WindowOf(window);
  return widget != nullptr && widget->isVisible();
}

bool IsEnabled(const CWnd& window) {
  const QWidget* widget = WindowOf(window);
  return widget != nullptr && widget->isEnabled();
}

bool SetClipboardText(const std::string& text) {
  // Whether an empty text was taken cannot be seen: a marker shows that the clipboard works.
  const QString marker = QStringLiteral("clipboard marker");
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText(marker);
  if (clipboard->text() != marker) {
    return false;
  }
  const QString unicode = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  clipboard->setText(unicode);
  return clipboard->text() == unicode;
}

bool ClearClipboard() {
  if (!SetClipboardText("")) {
    return false;
  }
  QApplication::clipboard()->clear();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data == nullptr || !data->hasText();
}

HINSTANCE ResourcesWithoutBitmaps() {
  static ResourceTable withoutBitmaps;
  withoutBitmaps = *platform::detail::ProgramResourceTable();
  withoutBitmaps.bitmaps = {};
  return &withoutBitmaps;
}

MessageBoxRecorder::MessageBoxRecorder(std::function<void()> whileShown)
    : m_whileShown(std::move(whileShown)), m_impl(std::make_unique<Impl>(*this)) {
  QApplication::instance()->installEventFilter(m_impl.get());
}

MessageBoxRecorder::~MessageBoxRecorder() = default;
