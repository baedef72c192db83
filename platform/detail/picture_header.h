#pragma once

#include <span>

#include "platform/additions.h"

namespace platform::detail {

// What a PNG, JPEG or BMP file's header says of the picture.
struct PictureHeader {
  PictureRead read;  // kRead with the size; kNotAPicture or kDamaged where the header says none
  UINT width = 0;
  UINT height = 0;
  bool jpeg = false;
};

// Reads the size from the header alone, before any decoder sees the file: some decoders (Wine's)
// decode every pixel while they are being made, so a size they find would come too late to
// refuse a picture too large. A file without one of the three formats' signatures is
// kNotAPicture, and so is one whose BMP header is none (its two letters may start any file); a
// PNG or JPEG whose header is missing or cut short is kDamaged.
PictureHeader ReadPictureHeader(std::span<const BYTE> file);

}  // namespace platform::detail
