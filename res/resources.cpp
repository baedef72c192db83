#include "res/resources.h"

#include <cstddef>
#include <cstdint>

#include "res/dialog_templates.h"
#include "res/help_texts.h"
#include "res/resource.h"
#include "res/version_block.h"

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

const ResourceTable kResources{kDialogs,   kIcons, kBitmaps,        &kVersionBlock,
                               kHelpTexts, kUsage, kDesktopFileName};

}  // namespace

const ResourceTable* ProgramResources() {
  return &kResources;
}
