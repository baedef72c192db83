#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/detail/backend_contract.h"
#include "platform/detail/opaque_copy.h"
#include "platform/detail/resources.h"
#include "platform/gdi.h"
#include "platform/qt/bitmap_record.h"

namespace {

std::size_t ByteCount(const QImage& image) {
  return static_cast<std::size_t>(image.sizeInBytes());
}

}  // namespace

HBITMAP LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
  if (!IS_INTRESOURCE(lpBitmapName)) {
    return nullptr;
  }
  const BinaryResource* resource = platform::detail::FindBitmap(
      hInstance, LOWORD(reinterpret_cast<std::uintptr_t>(lpBitmapName)));
  if (resource == nullptr) {
    return nullptr;
  }
  QImage image;
  if (!image.loadFromData(resource->bytes.data(), static_cast<int>(resource->bytes.size()),
                          "BMP")) {
    return nullptr;
  }
  return platform::qt::AddBitmap(image);
}

LONG GetBitmapBits(HBITMAP hBitmap, LONG cb, LPVOID lpBits) {
  const platform::qt::BitmapRecord* record = platform::qt::Bitmap(hBitmap);
  if (record == nullptr || lpBits == nullptr || cb <= 0) {
    return 0;
  }
  const std::size_t count = std::min(static_cast<std::size_t>(cb), ByteCount(record->image));
  std::memcpy(lpBits, record->image.constBits(), count);
  return static_cast<LONG>(count);
}

LONG SetBitmapBits(HBITMAP hBitmap, DWORD cb, LPCVOID lpBits) {
  platform::qt::BitmapRecord* record = platform::qt::Bitmap(hBitmap);
  if (record == nullptr || lpBits == nullptr || cb == 0) {
    return 0;
  }
  const std::size_t count = std::min(static_cast<std::size_t>(cb), ByteCount(record->image));
  platform::detail::CopyOpaque(static_cast<const std::uint8_t*>(lpBits), record->image.bits(),
                               count);
  return static_cast<LONG>(count);
}

BOOL DeleteObject(HGDIOBJ hObject) {
  return platform::qt::RemoveBitmap(static_cast<HBITMAP>(hObject)) ? TRUE : FALSE;
}

// A bitmap here is always 32 bits per pixel, so the class's calls move its bytes as they are.
LONG CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  return ::GetBitmapBits(*this, static_cast<LONG>(std::min<DWORD>(dwCount, 0x7FFFFFFF)), lpBits);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, LPCVOID lpBits) {
  return static_cast<DWORD>(::SetBitmapBits(*this, dwCount, lpBits));
}
