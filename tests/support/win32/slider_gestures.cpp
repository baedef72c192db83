#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr LONG kBesideThumb = 4;  // pixels between the thumb and a click on the track

RECT Part(HWND slider, UINT message) {
  RECT rect{};
  SendMessageA(slider, message, 0, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

LPARAM At(LONG x, LONG y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

POINT OnScreen(HWND slider, LONG x, LONG y) {
  POINT point{x, y};
  ClientToScreen(slider, &point);
  return point;
}

void PressKey(HWND slider, WPARAM key) {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
  const LPARAM once = 1 | scan << 16 | LPARAM{1} << 24;  // an arrow: an extended key
  DeliverInput(slider, WM_KEYDOWN, key, once);
  DeliverInput(slider, WM_KEYUP, key, once | static_cast<LPARAM>(0xC0000000u));
}

// The pointer goes there too: Windows reports where it really is whenever the capture changes.
void Mouse(HWND slider, UINT message, WPARAM wParam, LONG x, LONG y) {
  const POINT screen = OnScreen(slider, x, y);
  SetCursorPos(screen.x, screen.y);
  DeliverInput(slider, message, wParam,
               message == WM_MOUSEWHEEL ? At(screen.x, screen.y) : At(x, y));
}

void PressButton(HWND slider, LONG x, LONG y, LONG releaseX) {
  Mouse(slider, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  if (releaseX != x) {
    Mouse(slider, WM_MOUSEMOVE, MK_LBUTTON, (x + releaseX) / 2, y);
    Mouse(slider, WM_MOUSEMOVE, MK_LBUTTON, releaseX, y);
  }
  Mouse(slider, WM_LBUTTONUP, 0, releaseX, y);
}

}  // namespace

void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageA(window, message, wParam, lParam);
  const HWND dialog = GetAncestor(window, GA_ROOT);
  MSG queued{};
  while (PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageA(dialog, &queued)) {
      TranslateMessage(&queued);
      DispatchMessageA(&queued);
    }
  }
}

// Real input messages to the real trackbar, at the places its thumb and channel really are.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture) {
  const HWND slider = GetDlgItem(dialog.m_hWnd, id);
  const RECT thumb = Part(slider, TBM_GETTHUMBRECT);
  const RECT channel = Part(slider, TBM_GETCHANNELRECT);
  const LONG y = (thumb.top + thumb.bottom) / 2;
  const LONG grip = (thumb.left + thumb.right) / 2;
  // Towards the end with more room, so that the slider always moves.
  const bool rightward = channel.right - thumb.right > thumb.left - channel.left;
  switch (gesture) {
    case SliderGesture::kKey:
      PressKey(slider, rightward ? VK_RIGHT : VK_LEFT);
      break;
    case SliderGesture::kDragThumb:
      PressButton(slider, grip, y, rightward ? channel.right : channel.left);
      break;
    case SliderGesture::kClickTrack: {
      const LONG x = rightward ? thumb.right + kBesideThumb : thumb.left - kBesideThumb;
      PressButton(slider, x, y, x);
      break;
    }
    case SliderGesture::kWheel: {
      // Towards the user, as for the next line of a page.
      const auto notch = static_cast<WORD>(rightward ? -WHEEL_DELTA : WHEEL_DELTA);
      Mouse(slider, WM_MOUSEWHEEL, MAKEWPARAM(0, notch), grip, y);
      break;
    }
  }
}
