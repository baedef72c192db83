#include "drag_and_drop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QWidget>
#include <QWindow>

Qt::DropAction DragAndDrop(QWidget* window, QPoint at, const QMimeData& data) {
  // To the window as a whole: Qt finds the widget under the point that takes drops.
  QWindow* target = window->windowHandle();
  const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  move.setAccepted(enter.isAccepted());
  QCoreApplication::sendEvent(target, &move);
  if (!move.isAccepted()) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(target, &leave);
    return Qt::IgnoreAction;
  }
  QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}
