#include "resource_table.h"

#include <algorithm>
#include <cstring>

namespace {

template <class Item>
const Item* FindById(std::span<const Item> items, UINT id) {
  const auto found =
      std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
  return found == items.end() ? nullptr : &*found;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(HINSTANCE resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->dialogs, id);
}

const BinaryResource* FindIcon(HINSTANCE resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->icons, id);
}

const BinaryResource* FindBitmap(HINSTANCE resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->bitmaps, id);
}

const char* FindVersionString(HINSTANCE resources, const char* key) {
  if (resources == nullptr || resources->version == nullptr) {
    return nullptr;
  }
  for (const VersionString& entry : resources->version->strings) {
    if (std::strcmp(entry.key, key) == 0) {
      return entry.value;
    }
  }
  return nullptr;
}
