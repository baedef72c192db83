#pragma once

#include <cstddef>

// The fog preview's picture: 128 by 96 pixels of four bytes each, blue, green, red and a fourth
// byte that is not part of the colour.
inline constexpr int kPreviewWidth = 128;
inline constexpr int kPreviewHeight = 96;
inline constexpr std::size_t kPreviewPixelCount = 12288;
inline constexpr std::size_t kPreviewBytesPerPixel = 4;
inline constexpr std::size_t kPreviewByteCount = kPreviewPixelCount * kPreviewBytesPerPixel;
inline constexpr std::size_t kPreviewBlueByte = 0;
inline constexpr std::size_t kPreviewGreenByte = 1;
inline constexpr std::size_t kPreviewRedByte = 2;
inline constexpr std::size_t kPreviewFourthByte = 3;

// The helper's buffers are larger than one picture; only the first kPreviewByteCount bytes are
// pixels.
inline constexpr std::size_t kPreviewBufferSize = 100000;
