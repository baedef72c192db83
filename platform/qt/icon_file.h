#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::qt {

// The images of a Windows .ico file whose entries are uncompressed bitmaps of 1, 4, 8, 24 or 32
// bits per pixel, each with its transparency mask. Read here rather than through Qt's image
// plugins, which would cost the program's start a plugin search. Entries it cannot read are
// left out.
std::vector<QImage> ReadIconImages(std::span<const std::uint8_t> file);

}  // namespace platform::qt
