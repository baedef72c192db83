#include "gdi.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "internal/gdi_objects.h"
#include "resource_table.h"

namespace {

// The temporary wrappers FromHandle hands out: one per handle, never deleting their object.
class TemporaryBitmaps {
 public:
  ~TemporaryBitmaps() {
    for (auto& [handle, wrapper] : m_wrappers) {
      wrapper->Detach();
    }
  }
  CBitmap* For(HBITMAP hBitmap) {
    std::unique_ptr<CBitmap>& wrapper = m_wrappers[hBitmap];
    if (!wrapper) {
      wrapper = std::make_unique<CBitmap>();
      wrapper->m_hObject = hBitmap;
    }
    return wrapper.get();
  }
  void Forget(HGDIOBJ hObject) {
    const auto found = m_wrappers.find(static_cast<HBITMAP>(hObject));
    if (found != m_wrappers.end()) {
      found->second->Detach();
      m_wrappers.erase(found);
    }
  }

 private:
  std::map<HBITMAP, std::unique_ptr<CBitmap>> m_wrappers;
};

TemporaryBitmaps& Temporaries() {
  static TemporaryBitmaps temporaries;
  return temporaries;
}

std::size_t ByteCount(const QImage& image) {
  return static_cast<std::size_t>(image.sizeInBytes());
}

}  // namespace

CGdiObject::~CGdiObject() {
  DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) {
    return FALSE;
  }
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) {
    return FALSE;
  }
  return ::DeleteObject(Detach());
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  return Temporaries().For(static_cast<HBITMAP>(hObject));
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
  return Temporaries().For(hBitmap);
}

LONG CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  return ::GetBitmapBits(*this, static_cast<LONG>(std::min<DWORD>(dwCount, 0x7FFFFFFF)), lpBits);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, LPCVOID lpBits) {
  return static_cast<DWORD>(::SetBitmapBits(*this, dwCount, lpBits));
}

HBITMAP LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
  if (!IS_INTRESOURCE(lpBitmapName)) {
    return nullptr;
  }
  const BinaryResource* resource =
      FindBitmap(hInstance, LOWORD(reinterpret_cast<std::uintptr_t>(lpBitmapName)));
  if (resource == nullptr) {
    return nullptr;
  }
  QImage image;
  if (!image.loadFromData(resource->bytes.data(), static_cast<int>(resource->bytes.size()),
                          "BMP")) {
    return nullptr;
  }
  return CreateBitmapHandle(image);
}

LONG GetBitmapBits(HBITMAP hBitmap, LONG cb, LPVOID lpBits) {
  const BitmapRecord* record = FindBitmapRecord(hBitmap);
  if (record == nullptr || lpBits == nullptr || cb <= 0) {
    return 0;
  }
  const std::size_t count = std::min(static_cast<std::size_t>(cb), ByteCount(record->image));
  std::memcpy(lpBits, record->image.constBits(), count);
  return static_cast<LONG>(count);
}

LONG SetBitmapBits(HBITMAP hBitmap, DWORD cb, LPCVOID lpBits) {
  BitmapRecord* record = FindBitmapRecord(hBitmap);
  if (record == nullptr || lpBits == nullptr || cb == 0) {
    return 0;
  }
  const std::size_t count = std::min(static_cast<std::size_t>(cb), ByteCount(record->image));
  std::memcpy(record->image.bits(), lpBits, count);
  return static_cast<LONG>(count);
}

BOOL DeleteObject(HGDIOBJ hObject) {
  Temporaries().Forget(hObject);
  return DestroyBitmap(static_cast<HBITMAP>(hObject)) ? TRUE : FALSE;
}
