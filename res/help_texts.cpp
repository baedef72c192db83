#include "res/help_texts.h"

#include "res/resource.h"

namespace {

constexpr const char* kHowToUse =
    "Click a numbered button to open a helper. Tick the boxes or move the sliders, then select "
    "the value in the helper's read-only field and copy it into the map.";

constexpr HelpText kTexts[] = {
    {IDD_LAUNCHER, kHowToUse},
    {IDD_CLASSES_CALCULATOR, kHowToUse},
    {IDD_SPAWNTEAMS_CALCULATOR, kHowToUse},
    {IDD_FOG_SETTINGS, kHowToUse},
};

}  // namespace

const std::span<const HelpText> kHelpTexts = kTexts;
