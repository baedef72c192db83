#pragma once

#include "platform/resource_table.h"

extern const DialogTemplate kLauncherTemplate;
