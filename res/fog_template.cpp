#include "res/control_statements.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace {

constexpr DialogItemTemplate kItems[] = {
    DefPushButton("Done", IDOK, 225, 170, 50, 14),
    GroupBox("Fog Color", 5, 5, 270, 95),
    Slider("Slider1", IDC_FOG_RED, 25, 20, 140, 15),
    Slider("Slider2", IDC_FOG_GREEN, 25, 40, 140, 15),
    Slider("Slider3", IDC_FOG_BLUE, 25, 60, 140, 15),
    LeftText("R", 15, 22, 10, 8),
    LeftText("G", 15, 42, 10, 8),
    LeftText("B", 15, 62, 10, 8),
    Slider("Slider4", IDC_FOG_ALPHA, 40, 80, 125, 15),
    LeftText("Alpha", 15, 82, 25, 8),
    GroupBox("Preview", 5, 105, 110, 80),
    LeftText("Remember that all fog color values are relative.  This means that you can't have "
             "different shades of a color.",
             170, 15, 100, 40),
    GroupBox("Entity Fields", 120, 105, 155, 60),
    PastableValueField(IDC_FOG_MASS, 155, 115, 40, 14, "Paste &Fog"),
    PastableValueField(IDC_FOG_SPEED, 155, 140, 40, 14, "Paste &Fog"),
    PastableValueField(IDC_FOG_ACCEL, 230, 115, 40, 14, "Paste &Fog"),
    PastableValueField(IDC_FOG_DECEL, 230, 140, 40, 14, "Paste &Fog"),
    LeftText("Also remember that \"alpha\" specifies how transparent/thick the fog is.", 170, 55,
             100, 40),
    RightText("mass", 125, 118, 25, 8),
    RightText("speed", 125, 144, 25, 8),
    RightText("accel", 200, 118, 25, 8),
    RightText("decel", 200, 142, 25, 8),
    Picture(IDB_FOG_SAMPLE, IDC_FOG_PREVIEW, 15, 120, 85, 59, kSamplePictureDescription),
};

// A fog copied from the map is pasted anywhere in the helper, and a picture opened.
constexpr DialogAccelerator kKeys[] = {
    {'V', true, false, ID_EDIT_PASTE},
    {VK_INSERT, false, true, ID_EDIT_PASTE},
    {'O', true, false, ID_FILE_OPEN},
};

}  // namespace

const DialogTemplate kFogSettingsTemplate{
    IDD_FOG_SETTINGS, "Fog Settings Helper", kDialogFrame, 0,     282, 191,
    kDialogFont,      kDialogPointSize,      kItems,       kKeys,
};
