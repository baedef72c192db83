#pragma once

#include <QPoint>

class QSlider;

// The middle of a slider's thumb, where a user grabs it: for what drives the real widgets (the
// tests, the benchmarks).
QPoint ThumbCentre(QSlider* slider);
