#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "platform/detail/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr LONG kMargin = 4;  // beside a button's text

RECT InDialogUnits(HWND dialog, short x, short y, short cx, short cy) {
  RECT rect{x, y, cx, cy};
  MapDialogRect(dialog, &rect);
  return rect;
}

// Whether a text does not fit its control in the dialog's font: static texts wrap within their
// width; buttons, check boxes and group titles keep to one line beside the check mark or a margin.
bool Clipped(HDC context, HWND control, const std::string& text, bool isStatic) {
  RECT room{};
  GetClientRect(control, &room);
  RECT needed = room;
  DrawTextA(context, text.c_str(), -1, &needed,
            DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
  const bool checkBox = (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
  const LONG beside =
      isStatic ? 0 : kMargin + (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) : kMargin);
  return needed.right - needed.left + beside > room.right ||
         needed.bottom - needed.top > room.bottom;
}

class ProgramDialog : public testing::TestWithParam<UINT> {};

// The dialog's caption, size and font, then each control in the template's order, which is the
// tab order. Each client size is recorded for the check at several DPIs
// (tests/windows/dpi_check.sh).
TEST_P(ProgramDialog, WindowsBuildsItExactlyAsItsTemplateSays) {
  CEntityHelperApp app;
  const DialogTemplate& wanted =
      *platform::detail::FindDialogTemplate(ProgramResources(), GetParam());
  CDialog dialog(wanted.id);
  RunModal(dialog, [&] {
    const HWND window = dialog.m_hWnd;
    EXPECT_EQ(WindowText(window), wanted.caption);
    RECT client{};
    GetClientRect(window, &client);
    const RECT size = InDialogUnits(window, 0, 0, wanted.cx, wanted.cy);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(size.right, size.bottom));
    RecordProperty("client_size",
                   std::to_string(client.right) + "x" + std::to_string(client.bottom));
    const HDC context = GetDC(window);
    SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    // Above 144 DPI, where the template's bitmap font has no larger size, the system's dialog
    // font stands in.
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(context, OBJ_FONT), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName,
                 GetDeviceCaps(context, LOGPIXELSY) > 144 ? "MS Shell Dlg" : wanted.fontName);

    HWND control = GetWindow(window, GW_CHILD);
    for (const DialogItemTemplate& item : wanted.items) {
      ASSERT_NE(control, nullptr) << "missing: " << item.text;
      SCOPED_TRACE(std::string(item.windowClass) + " " + item.text);
      EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), item.windowClass), 0) << ClassOf(control);
      EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), item.id);
      // What the controls change as they start: a drop-down list hands its scroll bar to the list
      // it drops, and an edit box draws its border as a sunken edge.
      const bool list = lstrcmpA(item.windowClass, WC_COMBOBOX) == 0;
      const bool edit = lstrcmpA(item.windowClass, WC_EDIT) == 0;
      const bool sunken = (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
      const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) |
                         (list ? WS_VSCROLL : 0) | (sunken ? WS_BORDER : 0);
      EXPECT_EQ(style & item.style, item.style);
      RECT shown{};
      GetWindowRect(control, &shown);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown), 2);
      const RECT place = InDialogUnits(window, item.x, item.y, item.cx, item.cy);
      // A picture takes its bitmap's size, and a list's height counts the list it drops.
      EXPECT_EQ(std::vector<LONG>({shown.left, shown.top, shown.right - shown.left,
                                   list ? 0 : shown.bottom - shown.top}),
                std::vector<LONG>({place.left, place.top, item.imageId != 0 ? 128 : place.right,
                                   list                ? 0
                                   : item.imageId != 0 ? 96
                                                       : place.bottom}));
      if (!list && !edit && item.imageId == 0) {
        const std::string text = WindowText(control);
        EXPECT_EQ(text, item.text);
        EXPECT_FALSE(Clipped(context, control, text, lstrcmpA(item.windowClass, WC_STATIC) == 0));
      }
      control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control the template does not have: " << ClassOf(control);
    ReleaseDC(window, context);
    dialog.EndDialog(IDOK);
  });
}

INSTANTIATE_TEST_SUITE_P(EachOne, ProgramDialog,
                         testing::Values(IDD_LAUNCHER, IDD_CLASSES_CALCULATOR,
                                         IDD_SPAWNTEAMS_CALCULATOR, IDD_FOG_SETTINGS));

std::string VersionString(const std::string& key) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> block(GetFileVersionInfoSizeA(path, nullptr));
  char* value = nullptr;
  UINT length = 0;
  if (block.empty() ||
      !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueA(block.data(), ("\\StringFileInfo\\040904B0\\" + key).c_str(),
                      reinterpret_cast<void**>(&value), &length)) {
    return "(none)";
  }
  return value;
}

// The icon (which the launcher answers the drag-icon query with, from its dialog procedure),
// picture and version block are the program's own resources, and its manifest brings the common
// controls 6, which live apart from the older ones, in the side-by-side store.
TEST(ProgramResources, AreRealResourcesAndTheManifestBringsTheCommonControlsSix) {
  CEntityHelperApp app;
  CLauncherDlg launcher;
  RunModal(launcher, [&] {
    for (const UINT query : {WM_QUERYDRAGICON, WM_GETICON}) {
      EXPECT_EQ(SendMessageA(launcher.m_hWnd, query, ICON_BIG, 0),
                reinterpret_cast<LRESULT>(launcher.m_hIcon));
    }
    launcher.EndDialog(IDOK);
  });
  const HMODULE program = GetModuleHandleA(nullptr);
  EXPECT_EQ(launcher.m_hIcon, LoadIconA(program, MAKEINTRESOURCEA(IDR_MAINFRAME)));
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(launcher.m_hIcon, &icon));
  BITMAP size{};
  GetObjectA(icon.hbmMask, sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 32);
  DeleteObject(icon.hbmMask);
  DeleteObject(icon.hbmColor);
  const HBITMAP picture = LoadBitmapA(program, MAKEINTRESOURCEA(IDB_FOG_SAMPLE));
  ASSERT_EQ(GetObjectA(picture, sizeof size, &size), static_cast<int>(sizeof size));
  EXPECT_EQ(std::pair(size.bmWidth, size.bmHeight), std::pair(128L, 96L));
  DeleteObject(picture);
  for (const char* key : {"InternalName", "FileVersion", "FileDescription", "ProductName"}) {
    EXPECT_EQ(VersionString(key), platform::detail::FindVersionString(ProgramResources(), key));
  }
  char path[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
  EXPECT_NE(std::string(CharLowerA(path)).find("common-controls_6595b64144ccf1df_6.0."),
            std::string::npos)
      << path;
}

}  // namespace
