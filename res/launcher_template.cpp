#include "res/control_statements.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace {

constexpr DialogItemTemplate kItems[] = {
    DefPushButton("Quit", IDOK, 155, 70, 50, 14),
    GroupBox("Helpers", 5, 5, 115, 80),
    FlatPushButton("1", IDC_OPEN_CLASSES, 15, 20, 20, 14),
    FlatPushButton("2", IDC_OPEN_SPAWNTEAMS, 15, 40, 20, 14),
    FlatPushButton("3", IDC_OPEN_FOG, 15, 60, 20, 14),
    LeftText("Classes Calculator", 40, 22, 75, 8),
    LeftText("Spawnteam Calculator", 40, 42, 75, 8),
    LeftText("Fog Settings Helper", 40, 62, 75, 8),
    LeftText("Click on the button for the helper that you would like to use.", 130, 10, 75, 35),
};

}  // namespace

const DialogTemplate kLauncherTemplate{
    IDD_LAUNCHER,
    "Vardak Entity Helper",
    kDialogFrame | WS_VISIBLE,
    WS_EX_APPWINDOW,
    212,
    90,
    kDialogFont,
    kDialogPointSize,
    kItems,
};
