#include "gdi_objects.h"

#include <cstdint>
#include <map>
#include <memory>

namespace {

struct BitmapRegistry {
  std::uintptr_t lastHandle = 0;
  std::map<std::uintptr_t, std::unique_ptr<BitmapRecord>> records;
};

BitmapRegistry& Bitmaps() {
  static BitmapRegistry registry;
  return registry;
}

}  // namespace

HBITMAP CreateBitmapHandle(QImage image) {
  BitmapRegistry& registry = Bitmaps();
  const std::uintptr_t handle = ++registry.lastHandle;
  registry.records.emplace(handle, std::make_unique<BitmapRecord>(
                                       BitmapRecord{image.convertToFormat(QImage::Format_RGB32)}));
  return reinterpret_cast<HBITMAP>(handle);
}

BitmapRecord* FindBitmapRecord(HBITMAP hBitmap) {
  BitmapRegistry& registry = Bitmaps();
  const auto found = registry.records.find(reinterpret_cast<std::uintptr_t>(hBitmap));
  return found == registry.records.end() ? nullptr : found->second.get();
}

bool DestroyBitmap(HBITMAP hBitmap) {
  return Bitmaps().records.erase(reinterpret_cast<std::uintptr_t>(hBitmap)) > 0;
}
