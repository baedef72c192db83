#pragma once

#include <string>

#include "platform/resource_table.h"
#include "platform/win_types.h"

// Lookups in a resource table by number; each gives null for a null table or a missing item.
namespace platform::detail {

// The table the program handed over with platform::SetResourceTable.
const ResourceTable* ProgramResourceTable();

const DialogTemplate* FindDialogTemplate(const ResourceTable* resources, UINT id);
const BinaryResource* FindIcon(const ResourceTable* resources, UINT id);
const BinaryResource* FindBitmap(const ResourceTable* resources, UINT id);
const char* FindVersionString(const ResourceTable* resources, const char* key);
const char* FindHelpText(const ResourceTable* resources, UINT dialogId);

// The program's file version as dotted numbers ("1, 0, 0, 1" in the version block reads
// 1.0.0.1); empty when the block has none.
std::string ProgramVersion();

}  // namespace platform::detail
