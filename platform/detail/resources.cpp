#include "platform/detail/resources.h"

#include <algorithm>
#include <cstring>

#include "platform/additions.h"

namespace platform {

namespace {

const ResourceTable* g_programResources = nullptr;

template <class Item>
const Item* FindById(std::span<const Item> items, UINT id) {
  const auto found =
      std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
  return found == items.end() ? nullptr : &*found;
}

}  // namespace

void SetResourceTable(const ResourceTable* table) {
  g_programResources = table;
}

namespace detail {

const ResourceTable* ProgramResourceTable() {
  return g_programResources;
}

const DialogTemplate* FindDialogTemplate(const ResourceTable* resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->dialogs, id);
}

const BinaryResource* FindIcon(const ResourceTable* resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->icons, id);
}

const BinaryResource* FindBitmap(const ResourceTable* resources, UINT id) {
  return resources == nullptr ? nullptr : FindById(resources->bitmaps, id);
}

const char* FindVersionString(const ResourceTable* resources, const char* key) {
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

const char* FindHelpText(const ResourceTable* resources, UINT dialogId) {
  const HelpText* help = resources == nullptr ? nullptr : FindById(resources->help, dialogId);
  return help == nullptr ? nullptr : help->text;
}

std::string ProgramVersion() {
  std::string version;
  if (const char* text = FindVersionString(ProgramResourceTable(), "FileVersion")) {
    for (const char* c = text; *c != '\0'; ++c) {
      if (*c == ',') {
        version += '.';
      } else if (*c != ' ') {
        version += *c;
      }
    }
  }
  return version;
}

}  // namespace detail

}  // namespace platform
