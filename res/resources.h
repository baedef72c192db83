#pragma once

#include "platform/win_types.h"

// Everything the program keeps in its resources, for the platform at start-up.
HINSTANCE ProgramResources();
