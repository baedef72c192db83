#include "resources.h"

#include <cstddef>
#include <cstdint>

#include "dialog_templates.h"
#include "resource.h"
#include "version_block.h"

extern const std::uint8_t kApplicationIcon[];
extern const std::size_t kApplicationIconSize;
extern const std::uint8_t kFogSamplePicture[];
extern const std::size_t kFogSamplePictureSize;

namespace {

const DialogTemplate kDialogs[] = {kLauncherTemplate, kClassesCalculatorTemplate,
                                   kSpawnteamsCalculatorTemplate, kFogSettingsTemplate};

const BinaryResource kIcons[] = {
    {IDR_MAINFRAME, {kApplicationIcon, kApplicationIconSize}},
};

const BinaryResource kBitmaps[] = {
    {IDB_FOG_SAMPLE, {kFogSamplePicture, kFogSamplePictureSize}},
};

const ResourceTable kResources{kDialogs, kIcons, kBitmaps, &kVersionBlock};

}  // namespace

HINSTANCE ProgramResources() {
  return &kResources;
}
