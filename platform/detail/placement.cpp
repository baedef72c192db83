#include "platform/detail/placement.h"

#include <algorithm>

#include "platform/detail/backend_contract.h"

namespace platform::detail {

namespace {

// The start of a span of `length` centred over [areaStart, areaEnd), kept within
// [workStart, workEnd) where it fits and at workStart where it does not.
LONG CentredStart(LONG length, LONG areaStart, LONG areaEnd, LONG workStart, LONG workEnd) {
  const LONG centred = areaStart + (areaEnd - areaStart - length) / 2;
  return std::max(workStart, std::min(centred, workEnd - length));
}

}  // namespace

POINT CentredWithin(const RECT& frame, const RECT& area, const RECT& workArea) {
  return {
      CentredStart(frame.right - frame.left, area.left, area.right, workArea.left, workArea.right),
      CentredStart(frame.bottom - frame.top, area.top, area.bottom, workArea.top, workArea.bottom)};
}

void PlaceOverOwner(HWND window, HWND owner) {
  const RECT workArea = WorkAreaOf(owner != nullptr ? owner : window);
  RECT area = workArea;
  if (owner != nullptr) {
    GetWindowRect(owner, &area);
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  MoveFrameTo(window, CentredWithin(frame, area, workArea));
}

}  // namespace platform::detail
