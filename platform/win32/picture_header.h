#pragma once

#include <span>

#include "platform/additions.h"

namespace platform::win32 {

// What a PNG, JPEG or BMP file's header says of the picture.
struct PictureHeader {
  PictureRead read;  // kRead with the size; kNotAPicture or kDamaged where the header says none
  UINT width = 0;
  UINT height = 0;
};

// Reads the size from the header alone, before a decoder sees the file: Wine's decoders decode
// every pixel while they are being made, so a size found later would come too late to refuse.
// The file starts with one of the three formats' signatures. A BMP's two letters may start any
// file, so a BMP header that is not one says kNotAPicture; a PNG or JPEG whose header is missing
// or cut short is kDamaged.
PictureHeader ReadPictureHeader(std::span<const BYTE> file);

}  // namespace platform::win32
