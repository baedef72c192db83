#include "logic/classes_field.h"

#include "logic/detail/crt.h"

std::optional<std::string_view> DescriptionForName(const char* name) {
  std::optional<std::string_view> description;
  if (name == nullptr) {
    return description;
  }
  for (const EntityDescription& row : EntityDescriptionTable) {
    if (crt::mbscmp(name, row.name) == 0) {
      description = row.description;
    }
  }
  return description;
}
