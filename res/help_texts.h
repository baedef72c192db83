#pragma once

#include <span>

#include "platform/resource_table.h"

// What Help (F1) says in each dialog.
extern const std::span<const HelpText> kHelpTexts;

// What the program says of itself for --help.
extern const char* const kUsage;
