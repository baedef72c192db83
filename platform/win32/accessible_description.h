#pragma once

#include "platform/resource_table.h"

namespace platform::win32 {

// Gives each of the dialog's controls whose template item has an accessible description that
// description, as platform::SetAccessibleDescription does.
void DescribeControls(HWND dialog, const DialogTemplate& dialogTemplate);

}  // namespace platform::win32
