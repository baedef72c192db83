#pragma once

#include <QImage>

class QPainter;

// Paints the application icon, `size` pixels square, with the painter's current hints.
void PaintApplicationIcon(QPainter& painter, int size);

// The application icon at a given size, in full colour with transparent corners; `smooth`
// antialiases its edges, as large icons need and a 16-colour icon cannot have.
QImage DrawApplicationIcon(int size, bool smooth);
