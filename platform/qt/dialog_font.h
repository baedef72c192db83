#pragma once

#include <QFont>
#include <QRect>

#include "platform/detail/dialog_units.h"

struct DialogTemplate;

namespace platform::qt {

// The template's font, or the host's sans-serif font where the named one is missing.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// The dialog units of a font, from its real metrics.
detail::DialogUnits UnitsOf(const QFont& font);

// A rectangle of the template, x, y, width and height in dialog units, in pixels.
QRect ToPixels(const detail::DialogUnits& units, int x, int y, int cx, int cy);

}  // namespace platform::qt
