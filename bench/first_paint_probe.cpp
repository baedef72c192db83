// Linked into a program for the start-up benchmark: ends the process the moment its first
// window has been painted, so that the process's run time is its time to first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget != nullptr && widget->isWindow() &&
        widget->isVisible()) {
      widget->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [] {
            std::fflush(nullptr);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

void WatchForFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)
