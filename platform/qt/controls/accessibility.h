#pragma once

#include <vector>

#include "platform/win_types.h"

namespace platform::qt {

// Lets assistive tools work the controls as a user does: a check box's toggle clicks it, and a
// value set on a trackbar is reported like a keyboard change. Installed once, before the first
// control is made.
void InstallControlAccessibility();

// Names each edit box, list and trackbar after the static text that labels it on screen: the
// nearest one to its left on the same line.
void NameControlsByTheirLabels(const std::vector<HWND>& controls);

}  // namespace platform::qt
