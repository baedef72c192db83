#pragma once

#include "platform/resource_table.h"

// Version 1.0.0.1 with the strings a Windows version block carries (language 0x0409, block
// "040904B0").
extern const VersionBlock kVersionBlock;

// The name of the program's desktop entry, by which Linux desktops match its windows.
extern const char* const kDesktopFileName;
