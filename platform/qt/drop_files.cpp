#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/detail/backend_contract.h"
#include "platform/qt/handles.h"
#include "platform/qt/window_record.h"

namespace {

// What a drop handle names: the dropped files' full names.
struct DropRecord {
  std::vector<std::wstring> files;
};

platform::qt::HandleTable<HDROP, DropRecord>& Drops() {
  static platform::qt::HandleTable<HDROP, DropRecord> drops;
  return drops;
}

// The local files a drag carries; none for text, links and files of other machines, which
// Windows would not offer as dropped files either.
std::vector<std::wstring> LocalFiles(const QMimeData* data) {
  std::vector<std::wstring> files;
  if (data != nullptr) {
    for (const QUrl& url : data->urls()) {
      if (url.isLocalFile()) {
        files.push_back(url.toLocalFile().toStdWString());
      }
    }
  }
  return files;
}

// Takes drags of files for a window that accepts them, as the shell does for a window with
// DragAcceptFiles: the drop becomes WM_DROPFILES, posted so that whatever the window does with
// it (a message box) does not hold the file manager's drag.
class FileDropTarget : public QObject {
 public:
  FileDropTarget(HWND window, QWidget* widget) : QObject(widget), m_window(window) {
    setObjectName(kName);
    widget->installEventFilter(this);
  }

  // The window's target, or null.
  static QObject* Of(QWidget* widget) {
    return widget->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove:
        Offer(static_cast<QDropEvent*>(event));
        return true;
      case QEvent::Drop:
        if (Offer(static_cast<QDropEvent*>(event))) {
          Post(LocalFiles(static_cast<QDropEvent*>(event)->mimeData()));
        }
        return true;
      default:
        return false;
    }
  }

 private:
  // A copy, never a move: a file manager deletes what is moved away from it.
  static bool Offer(QDropEvent* event) {
    const bool files =
        (event->possibleActions() & Qt::CopyAction) != 0 && !LocalFiles(event->mimeData()).empty();
    if (files) {
      event->setDropAction(Qt::CopyAction);
    }
    event->setAccepted(files);
    return files;
  }

  void Post(std::vector<std::wstring> files) {
    const HDROP drop = Drops().Add(std::make_unique<DropRecord>(DropRecord{std::move(files)}));
    const HWND window = m_window;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [window, drop] {
          if (platform::qt::Window(window) == nullptr) {
            DragFinish(drop);
            return;
          }
          SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        },
        Qt::QueuedConnection);
  }

  static constexpr const char* kName = "file drop target";

  HWND m_window;
};

}  // namespace

void DragAcceptFiles(HWND hWnd, BOOL fAccept) {
  QWidget* widget = platform::qt::WidgetOf(hWnd);
  if (widget == nullptr) {
    return;
  }
  QObject* target = FileDropTarget::Of(widget);
  if (fAccept != FALSE && target == nullptr) {
    new FileDropTarget(hWnd, widget);
  } else if (fAccept == FALSE) {
    delete target;
  }
  widget->setAcceptDrops(fAccept != FALSE);
}

UINT DragQueryFileW(HDROP hDrop, UINT iFile, LPWSTR lpszFile, UINT cch) {
  const DropRecord* drop = Drops().Find(hDrop);
  if (drop == nullptr) {
    return 0;
  }
  if (iFile == 0xFFFFFFFF) {
    return static_cast<UINT>(drop->files.size());
  }
  if (iFile >= drop->files.size()) {
    return 0;
  }
  const std::wstring& name = drop->files[iFile];
  if (lpszFile == nullptr) {
    return static_cast<UINT>(name.size());
  }
  if (cch == 0) {
    return 0;
  }
  const std::size_t copied = std::min<std::size_t>(name.size(), cch - 1);
  std::copy_n(name.begin(), copied, lpszFile);
  lpszFile[copied] = L'\0';
  return static_cast<UINT>(copied);
}

void DragFinish(HDROP hDrop) {
  Drops().Remove(hDrop);
}
