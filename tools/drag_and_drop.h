#pragma once

#include <QPoint>
#include <Qt>

class QMimeData;
class QWidget;

// A drag of `data` over the window at `at`, through Qt's own events as a drag from another
// program arrives: entered, moved, then dropped where the window accepts it and left where it
// refuses it. It proposes a move, as a file manager does with Shift held. The action the window
// took: Qt::IgnoreAction when it refused the drag. For what drives the real windows (the tests,
// the screenshots, the benchmarks).
Qt::DropAction DragAndDrop(QWidget* window, QPoint at, const QMimeData& data);
