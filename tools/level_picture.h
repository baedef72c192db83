#pragma once

#include <QImage>

// A shot of an outdoor level as a map maker might drop it on the Fog Settings Helper: a sky, hills,
// a base with its lights, at 800 by 600 pixels.
QImage DrawLevelShot();
