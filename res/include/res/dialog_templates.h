#pragma once

#include "platform/resource_table.h"

extern const DialogTemplate kLauncherTemplate;
extern const DialogTemplate kClassesCalculatorTemplate;
extern const DialogTemplate kSpawnteamsCalculatorTemplate;
extern const DialogTemplate kFogSettingsTemplate;
