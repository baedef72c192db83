#pragma once

#include "platform/win_types.h"

// Where a dialog appears: over its owner, or mid-screen when it has none, and always on the
// screen, however large the dialog or wherever the owner stands.
namespace platform::detail {

// The top left corner for a frame centred over `area`, then moved as little as it takes to lie
// within `workArea`; a frame larger than the work area keeps its top left corner inside it.
POINT CentredWithin(const RECT& frame, const RECT& area, const RECT& workArea);

// Moves the window there, over the owner's frame (which stays where it was while hidden).
void PlaceOverOwner(HWND window, HWND owner);

}  // namespace platform::detail
