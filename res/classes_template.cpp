#include "res/control_statements.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace {

// The text the dialog opens with. It differs from the entity table's "can trigger it": a
// selection change brings that one in.
constexpr const char* kOpeningDescription =
    "For the trigger_multiple entity, the classes field specifies which classes WILL trigger the "
    "entity.  If no value is specified then all classes will trigger it.";

constexpr DialogItemTemplate kItems[] = {
    DefPushButton("Done", IDOK, 150, 195, 50, 14),
    GroupBox("Entity information", 5, 5, 190, 60),
    SortedDropDownList(IDC_ENTITY_NAME, 90, 15, 85, 75),
    RightText("Entity Name:", 25, 18, 59, 8),
    LeftText(kOpeningDescription, 15, 35, 170, 25, IDC_ENTITY_DESCRIPTION),
    GroupBox("Classes Selected", 5, 70, 190, 95),
    AutoCheckBox("Breeder", 1003, 10, 80, 85, 10),
    AutoCheckBox("Hatchling", 1004, 10, 90, 85, 10),
    AutoCheckBox("Drone", 1005, 10, 100, 85, 10),
    AutoCheckBox("Wraith", 1006, 10, 110, 85, 10),
    AutoCheckBox("Kamikaze", 1007, 10, 120, 85, 10),
    AutoCheckBox("Stinger", 1008, 10, 130, 85, 10),
    AutoCheckBox("Guardian", 1009, 10, 140, 85, 10),
    AutoCheckBox("Stalker", 1010, 10, 150, 85, 10),
    AutoCheckBox("Engineer", 1011, 105, 80, 85, 10),
    AutoCheckBox("Grunt", 1012, 105, 90, 85, 10),
    AutoCheckBox("Shock Trooper", 1013, 105, 100, 85, 10),
    AutoCheckBox("Biotech", 1014, 105, 110, 85, 10),
    AutoCheckBox("Heavy Trooper", 1015, 105, 120, 85, 10),
    AutoCheckBox("Commando", 1016, 105, 130, 85, 10),
    AutoCheckBox("Exterminator", 1017, 105, 140, 85, 10),
    AutoCheckBox("Mech", 1018, 105, 150, 85, 10),
    GroupBox("Classes Field", 5, 170, 135, 40),
    PastableValueField(IDC_CLASSES_VALUE, 70, 185, 65, 14),
    RightText("Classes Value:", 10, 188, 55, 8),
};

}  // namespace

const DialogTemplate kClassesCalculatorTemplate{
    IDD_CLASSES_CALCULATOR,
    "Classes Calculator",
    kDialogFrame,
    0,
    202,
    215,
    kDialogFont,
    kDialogPointSize,
    kItems,
};
