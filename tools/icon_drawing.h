#pragma once

#include <QImage>

// The application icon at a given size, in full colour with transparent corners.
QImage DrawApplicationIcon(int size);
