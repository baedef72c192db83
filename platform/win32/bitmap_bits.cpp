#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/detail/backend_contract.h"
#include "platform/detail/opaque_copy.h"
#include "platform/gdi.h"

// A bitmap's bits, for the layer, are 32-bit pixels (blue, green, red, fourth byte), top row
// first: what GetBitmapBits gives for a bitmap made for a display at 32 bits per pixel. A
// bitmap of any other depth is converted on the way in and out, so that the caller sees the
// same layout on every display.
namespace {

constexpr WORD kLayerBitsPerPixel = 32;
constexpr std::size_t kBytesPerPixel = 4;

std::optional<BITMAP> Describe(HBITMAP bitmap) {
  BITMAP description{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof description, &description) !=
                               static_cast<int>(sizeof description)) {
    return std::nullopt;
  }
  return description;
}

std::size_t LayerSize(const BITMAP& description) {
  return static_cast<std::size_t>(description.bmWidth) *
         static_cast<std::size_t>(description.bmHeight) * kBytesPerPixel;
}

// A 32-bit, top-down layout of the bitmap's size, for the conversions.
BITMAPINFO LayerFormat(const BITMAP& description) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = description.bmWidth;
  format.bmiHeader.biHeight = -description.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = kLayerBitsPerPixel;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

bool Convert(HBITMAP bitmap, const BITMAP& description, BYTE* pixels, bool toBitmap) {
  BITMAPINFO format = LayerFormat(description);
  const HDC screen = GetDC(nullptr);
  const auto rows = static_cast<UINT>(description.bmHeight);
  const int converted = toBitmap
                            ? SetDIBits(screen, bitmap, 0, rows, pixels, &format, DIB_RGB_COLORS)
                            : GetDIBits(screen, bitmap, 0, rows, pixels, &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return converted == description.bmHeight;
}

}  // namespace

LONG CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  const std::optional<BITMAP> description = Describe(*this);
  if (!description || lpBits == nullptr || dwCount == 0) {
    return 0;
  }
  const std::size_t count = std::min<std::size_t>(dwCount, LayerSize(*description));
  if (description->bmBitsPixel == kLayerBitsPerPixel) {
    return ::GetBitmapBits(*this, static_cast<LONG>(count), lpBits);
  }
  std::vector<BYTE> pixels(LayerSize(*description));
  if (!Convert(*this, *description, pixels.data(), false)) {
    return 0;
  }
  std::memcpy(lpBits, pixels.data(), count);
  return static_cast<LONG>(count);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, LPCVOID lpBits) {
  const std::optional<BITMAP> description = Describe(*this);
  if (!description || lpBits == nullptr || dwCount == 0) {
    return 0;
  }
  const std::size_t size = LayerSize(*description);
  const std::size_t count = std::min<std::size_t>(dwCount, size);
  const bool direct = description->bmBitsPixel == kLayerBitsPerPixel;
  std::vector<BYTE> pixels(direct ? count : size);
  // A conversion writes whole rows: what the caller's bytes do not reach stays as it was.
  if (!direct && count < size && !Convert(*this, *description, pixels.data(), false)) {
    return 0;
  }
  platform::detail::CopyOpaque(static_cast<const BYTE*>(lpBits), pixels.data(), count);
  if (direct) {
    return static_cast<DWORD>(::SetBitmapBits(*this, static_cast<DWORD>(count), pixels.data()));
  }
  return Convert(*this, *description, pixels.data(), true) ? static_cast<DWORD>(count) : 0;
}
