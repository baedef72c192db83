#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "platform/detail/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"

namespace {

// Where Windows put a control, in the dialog's client coordinates.
RECT PlaceOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

DWORD StyleOf(HWND window, int index = GWL_STYLE) {
  return static_cast<DWORD>(GetWindowLongPtrA(window, index));
}

void ExpectMatchesTemplate(HWND dialog, const DialogTemplate& dialogTemplate) {
  EXPECT_EQ(TextOf(dialog), dialogTemplate.caption);
  const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  EXPECT_EQ(StyleOf(dialog) & frame, dialogTemplate.style & frame);
  EXPECT_EQ(StyleOf(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, dialogTemplate.exStyle);
  RECT size{0, 0, dialogTemplate.cx, dialogTemplate.cy};
  MapDialogRect(dialog, &size);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  // Above 144 DPI, where the template's bitmap font has no larger size, the system's dialog
  // font stands in.
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  const HDC screen = GetDC(nullptr);
  const bool aboveBitmapSizes = GetDeviceCaps(screen, LOGPIXELSY) > 144;
  ReleaseDC(nullptr, screen);
  EXPECT_STREQ(font.lfFaceName, aboveBitmapSizes ? "MS Shell Dlg" : dialogTemplate.fontName);

  // The controls in the template's order, which is the tab order.
  HWND control = GetWindow(dialog, GW_CHILD);
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    ASSERT_NE(control, nullptr) << "missing: " << item.text;
    SCOPED_TRACE(std::string(item.windowClass) + " " + std::to_string(item.id) + " " + item.text);
    EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), item.windowClass), 0) << ClassOf(control);
    EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), item.id);
    // What the controls change as they start: a drop-down list hands its scroll bar to the list
    // it drops, and an edit box draws its border as a sunken edge.
    DWORD style = StyleOf(control);
    if (lstrcmpA(item.windowClass, WC_COMBOBOX) == 0) {
      style |= item.style & WS_VSCROLL;
    }
    if ((StyleOf(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0) {
      style |= WS_BORDER;
    }
    EXPECT_EQ(style & item.style, item.style);
    // Windows converts the place and the size each on its own.
    RECT place{item.x, item.y, item.cx, item.cy};
    MapDialogRect(dialog, &place);
    const RECT actual = PlaceOf(control);
    EXPECT_EQ(actual.left, place.left);
    EXPECT_EQ(actual.top, place.top);
    const LONG width = actual.right - actual.left;
    const LONG height = actual.bottom - actual.top;
    if ((item.style & SS_TYPEMASK) == SS_BITMAP && item.imageId != 0) {
      // A picture control takes the size of its bitmap.
      EXPECT_EQ(width, 128);
      EXPECT_EQ(height, 96);
    } else if (lstrcmpA(item.windowClass, WC_COMBOBOX) == 0) {
      // Its height counts the dropped list.
      EXPECT_EQ(width, place.right);
    } else {
      EXPECT_EQ(width, place.right);
      EXPECT_EQ(height, place.bottom);
    }
    if (lstrcmpA(item.windowClass, WC_EDIT) != 0 && lstrcmpA(item.windowClass, WC_COMBOBOX) != 0 &&
        item.imageId == 0) {
      EXPECT_EQ(TextOf(control), item.text);
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(ClassOf(control), "") << "a control the template does not have";
}

// Texts that do not fit their control in its font: static texts wrap within their width;
// buttons, check boxes and group titles keep to one line beside the check mark or a margin.
std::vector<std::string> ClippedTexts(HWND dialog) {
  constexpr LONG kMargin = 4;
  std::vector<std::string> clipped;
  const HDC context = GetDC(dialog);
  SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const std::string text = TextOf(control);
    const bool isStatic = lstrcmpiA(ClassOf(control).c_str(), WC_STATIC) == 0;
    if (text.empty() || (!isStatic && lstrcmpiA(ClassOf(control).c_str(), WC_BUTTON) != 0)) {
      continue;
    }
    RECT room{};
    GetClientRect(control, &room);
    RECT needed = room;
    DrawTextA(context, text.c_str(), -1, &needed,
              DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
    const bool checkBox = !isStatic && (StyleOf(control) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    const LONG beside =
        isStatic ? 0 : kMargin + (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) : kMargin);
    if (needed.right - needed.left + beside > room.right ||
        needed.bottom - needed.top > room.bottom) {
      clipped.push_back(text);
    }
  }
  ReleaseDC(dialog, context);
  return clipped;
}

class ProgramDialog : public testing::TestWithParam<int> {};

TEST_P(ProgramDialog, WindowsBuildsItExactlyAsItsTemplateSays) {
  CEntityHelperApp app;
  const DialogTemplate* dialogTemplate =
      platform::detail::FindDialogTemplate(ProgramResources(), static_cast<UINT>(GetParam()));
  ASSERT_NE(dialogTemplate, nullptr);
  CDialog dialog(dialogTemplate->id);
  RunModal(dialog, [&] {
    ExpectMatchesTemplate(dialog.m_hWnd, *dialogTemplate);
    EXPECT_EQ(ClippedTexts(dialog.m_hWnd), std::vector<std::string>());
    // For the check at several DPIs (tests/windows/dpi_check.sh).
    RECT client{};
    GetClientRect(dialog.m_hWnd, &client);
    RecordProperty("client_size",
                   std::to_string(client.right) + "x" + std::to_string(client.bottom));
    dialog.EndDialog(IDOK);
  });
}

INSTANTIATE_TEST_SUITE_P(EachOne, ProgramDialog, testing::Values(102, 129, 130, 131));

}  // namespace
