#pragma once

#include <QImage>

#include "platform/win_types.h"

namespace platform::qt {

// What an icon handle names: its large and small images. Icons are shared and live as long as
// the program.
struct IconRecord {
  QImage large;
  QImage small;
};

HICON AddIcon(const IconRecord& icon);
// The icon, or null.
const IconRecord* Icon(HICON hIcon);

}  // namespace platform::qt
