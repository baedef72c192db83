#pragma once

// Resource and control identifiers shared by the application and the dialogs. Control numbers
// belong to their dialog: the same number means different controls in different dialogs.

// Resources.
inline constexpr unsigned IDD_LAUNCHER = 102;
inline constexpr unsigned IDR_MAINFRAME = 128;
inline constexpr unsigned IDD_CLASSES_CALCULATOR = 129;
inline constexpr unsigned IDD_SPAWNTEAMS_CALCULATOR = 130;
inline constexpr unsigned IDD_FOG_SETTINGS = 131;
inline constexpr unsigned IDB_FOG_SAMPLE = 132;

// Launcher.
inline constexpr unsigned IDC_OPEN_CLASSES = 1000;
inline constexpr unsigned IDC_OPEN_SPAWNTEAMS = 1001;
inline constexpr unsigned IDC_OPEN_FOG = 1002;

// Classes Calculator.
inline constexpr unsigned IDC_ENTITY_NAME = 1001;
inline constexpr unsigned IDC_ENTITY_DESCRIPTION = 1002;
inline constexpr unsigned IDC_FIRST_CLASS = 1003;
inline constexpr unsigned IDC_LAST_CLASS = 1018;
inline constexpr unsigned IDC_CLASSES_VALUE = 1019;

// Spawnteams Calculator.
inline constexpr unsigned IDC_SPAWNTEAMS_VALUE = 1020;
inline constexpr unsigned IDC_FIRST_GROUP = 1021;
inline constexpr unsigned IDC_LAST_GROUP = 1028;

// Fog Settings Helper.
inline constexpr unsigned IDC_FOG_RED = 1022;
inline constexpr unsigned IDC_FOG_GREEN = 1023;
inline constexpr unsigned IDC_FOG_BLUE = 1024;
inline constexpr unsigned IDC_FOG_ALPHA = 1025;
inline constexpr unsigned IDC_FOG_MASS = 1026;
inline constexpr unsigned IDC_FOG_SPEED = 1027;
inline constexpr unsigned IDC_FOG_ACCEL = 1028;
inline constexpr unsigned IDC_FOG_DECEL = 1029;
inline constexpr unsigned IDC_FOG_PREVIEW = 1030;
inline constexpr unsigned ID_USE_SAMPLE_PICTURE = 32771;
// What assistive tools say the preview shows while it shows the sample picture.
inline constexpr const char* kSamplePictureDescription =
    "The sample picture seen through a fog of the chosen colour and alpha.";
