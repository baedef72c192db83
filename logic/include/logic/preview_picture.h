#pragma once

#include <cstdint>

// Makes a picture of any size the fog preview's picture: scaled with smooth filtering until it
// covers 128 by 96 pixels, its middle cut to 4:3, as a map maker's own level shot should look
// under the fog. Area averaging where it shrinks, linear interpolation where it grows, so that a
// 1 by 1 picture fills the preview with its one colour.
//
// `pixels` holds `width` by `height` pixels of four bytes (blue, green, red, a fourth byte that
// is ignored), rows top first and `width` pixels apart; `preview` receives the preview's
// kPreviewByteCount bytes, every fourth byte 0xFF. Both sizes must be at least 1.
void CoverPreview(const std::uint8_t* pixels, int width, int height, std::uint8_t* preview);
