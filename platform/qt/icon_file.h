#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <span>

namespace platform::qt {

// How many directory entries of an .ico file are looked at; real icons hold a handful.
inline constexpr std::size_t kIconEntriesRead = 64;

// The first image of `size` by `size` pixels in a Windows .ico file, among its first
// kIconEntriesRead entries, or a null image. Entries are uncompressed bitmaps of 1, 4, 8, 24 or
// 32 bits per pixel with their transparency mask; only entries of the asked size are decoded,
// so a crafted file costs no more than a real one. Read here rather than through Qt's image
// plugins, which would cost the program's start a plugin search.
QImage ReadIconImage(std::span<const std::uint8_t> file, int size);

}  // namespace platform::qt
