#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "dialogs/classes_calculator_dlg.h"
#include "platform/additions.h"
#include "platform/detail/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

std::string VersionString(const char* key) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> block(GetFileVersionInfoSizeA(path, nullptr));
  if (block.empty() ||
      !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data())) {
    return "(no version block)";
  }
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\040904B0\\") + key;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return "(no " + std::string(key) + ")";
  }
  return value;
}

TEST(ProgramResources, IconPictureVersionAndManifestAreRealResources) {
  const HMODULE program = GetModuleHandleA(nullptr);
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(LoadIconA(program, MAKEINTRESOURCEA(IDR_MAINFRAME)), &icon));
  BITMAP iconMask{};
  GetObjectA(icon.hbmMask, sizeof iconMask, &iconMask);
  EXPECT_EQ(iconMask.bmWidth, 32);
  DeleteObject(icon.hbmMask);
  DeleteObject(icon.hbmColor);

  const HBITMAP picture = LoadBitmapA(program, MAKEINTRESOURCEA(IDB_FOG_SAMPLE));
  BITMAP size{};
  ASSERT_EQ(GetObjectA(picture, sizeof size, &size), static_cast<int>(sizeof size));
  EXPECT_EQ(size.bmWidth, 128);
  EXPECT_EQ(size.bmHeight, 96);
  DeleteObject(picture);

  for (const char* key : {"InternalName", "FileVersion", "FileDescription", "ProductName"}) {
    EXPECT_EQ(VersionString(key), platform::detail::FindVersionString(ProgramResources(), key));
  }
  EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(1), RT_MANIFEST), nullptr);
}

// Version 6 lives apart from the older one, in the side-by-side store, and only a manifest that
// asks for it brings it in.
TEST(ProgramResources, TheManifestBringsTheCommonControlsSix) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
  const std::string loaded = CharLowerA(path);
  EXPECT_NE(loaded.find("\\winsxs\\"), std::string::npos) << loaded;
  EXPECT_NE(loaded.find("common-controls_6595b64144ccf1df_6.0."), std::string::npos) << loaded;
}

TEST(Help, HelpFromAnyControlShowsTheDialogsText) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    HELPINFO help{sizeof(HELPINFO),
                  HELPINFO_WINDOW,
                  IDC_CLASSES_VALUE,
                  dialog.GetDlgItem(IDC_CLASSES_VALUE)->m_hWnd,
                  0,
                  {0, 0}};
    // What F1 sends: the control first, which passes it to its dialog.
    SendMessageA(static_cast<HWND>(help.hItemHandle), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>({platform::detail::FindHelpText(
                               ProgramResources(), IDD_CLASSES_CALCULATOR)}));
}

// F1 in a message box over the dialog (its help, an error) is not the dialog's: no box stacks
// on it. What the system does for F1: WM_KEYF1 to the window with the focus, whose default
// handling asks for help, which the box hands to its owner.
TEST(Help, F1InAMessageBoxOpensNoOtherBox) {
  constexpr UINT kKeyF1 = 0x004D;
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  int shown = 0;
  MessageBoxRecorder boxes([&shown] {
    if (++shown > 1) {
      return;  // F1 in the first box only, so that a fault shows as a count, not a cascade
    }
    const HWND button = FindWindowExA(FindMessageBox(), nullptr, "Button", nullptr);
    for (int press = 0; press < 3; ++press) {
      SendMessageA(button, kKeyF1, 0, 0);
    }
  });
  RunModal(dialog, [&] {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0));
    dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST(Launcher, AnswersTheDragIconQueryWithItsIcon) {
  CEntityHelperApp app;
  CLauncherDlg launcher;
  ASSERT_NE(launcher.m_hIcon, nullptr);
  RunModal(launcher, [&] {
    // The dialog procedure's answer itself, not its "handled" flag.
    EXPECT_EQ(SendMessageA(launcher.m_hWnd, WM_QUERYDRAGICON, 0, 0),
              reinterpret_cast<LRESULT>(launcher.m_hIcon));
    EXPECT_EQ(SendMessageA(launcher.m_hWnd, WM_GETICON, ICON_BIG, 0),
              reinterpret_cast<LRESULT>(launcher.m_hIcon));
    launcher.EndDialog(IDOK);
  });
}

// The tooltip tools of the dialog's tooltip window, as text.
std::vector<std::string> ToolTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (GetWindow(window, GW_OWNER) != dialog || lstrcmpiA(name, TOOLTIPS_CLASSA) != 0) {
      continue;
    }
    const auto count = SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
      char text[256] = {};
      TTTOOLINFOA tool{};
      tool.cbSize = TTTOOLINFOA_V2_SIZE;
      tool.lpszText = text;
      SendMessageA(window, TTM_ENUMTOOLSA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&tool));
      texts.push_back(text);
    }
  }
  return texts;
}

TEST(ToolTips, OneTipPerControlThatChangesAndGoes) {
  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
  RunModal(dialog, [&] {
    CWnd& field = *dialog.GetDlgItem(IDC_CLASSES_VALUE);
    EXPECT_TRUE(ToolTexts(dialog.m_hWnd).empty());
    platform::SetToolTip(field, "Bit 24 is set but names no class.");
    platform::SetToolTip(field, "Bit 30 is set but names no class.");
    EXPECT_EQ(ToolTexts(dialog.m_hWnd),
              std::vector<std::string>({"Bit 30 is set but names no class."}));
    platform::SetToolTip(field, "");
    EXPECT_TRUE(ToolTexts(dialog.m_hWnd).empty());
    dialog.EndDialog(IDOK);
  });
}

}  // namespace
