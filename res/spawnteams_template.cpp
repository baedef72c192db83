#include "res/control_statements.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace {

// The value field comes before the check boxes in the tab order.
constexpr DialogItemTemplate kItems[] = {
    DefPushButton("Done", IDOK, 230, 100, 50, 14),
    GroupBox("Spawnteams / Groups", 5, 5, 115, 70),
    GroupBox("Spawnteams value", 5, 80, 115, 35),
    PastableValueField(IDC_SPAWNTEAMS_VALUE, 60, 90, 50, 14),
    AutoCheckBox("Group A", 1021, 10, 15, 42, 10),
    AutoCheckBox("Group B", 1022, 10, 30, 42, 10),
    AutoCheckBox("Group C", 1023, 10, 45, 42, 10),
    AutoCheckBox("Group D", 1024, 10, 60, 43, 10),
    AutoCheckBox("Group E", 1025, 70, 15, 42, 10),
    AutoCheckBox("Group F", 1026, 70, 30, 41, 10),
    AutoCheckBox("Group G", 1027, 70, 45, 43, 10),
    AutoCheckBox("Group H", 1028, 70, 60, 43, 10),
    RightText("spawnteams:", 10, 92, 45, 8),
    LeftText("Each Vardak structure (depots, spikers, etc...) may belong to one or more "
             "spawnteams.  When the map is loaded, the game picks exactly one spawnteam to spawn.",
             130, 10, 150, 40),
    LeftText("Remember to specify the total number of teams in the worldspawn entity.  Also "
             "remember that only one spawnteam is spawned, NOT two separate teams for humans and "
             "aliens.",
             130, 55, 150, 40),
};

}  // namespace

const DialogTemplate kSpawnteamsCalculatorTemplate{
    IDD_SPAWNTEAMS_CALCULATOR,
    "Spawnteams Calculator",
    kDialogFrame,
    0,
    287,
    121,
    kDialogFont,
    kDialogPointSize,
    kItems,
};
