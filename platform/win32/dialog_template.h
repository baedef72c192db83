#pragma once

#include <vector>

#include "platform/resource_table.h"

namespace platform::win32 {

// The DLGTEMPLATEEX that DialogBoxIndirectParamW runs for a dialog: frame, font, styles,
// classes, texts and identifiers as the template gives them, the controls in its order (which
// is the tab order). Words, so that the start and each item are DWORD-aligned as Windows
// requires.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

}  // namespace platform::win32
