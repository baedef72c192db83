#include "res/help_texts.h"

#include "res/resource.h"

namespace {

constexpr HelpText kTexts[] = {
    {IDD_LAUNCHER,
     "Click a numbered button, or Tab to it and press Space, to open a helper: 1 the Classes "
     "Calculator, 2 the Spawnteams Calculator, 3 the Fog Settings Helper. The launcher comes "
     "back when the helper closes. \"Quit\", Esc or the close box end the program."},
    {IDD_CLASSES_CALCULATOR,
     "Choose the entity type under \"Entity Name:\" to read what its classes key means, then "
     "tick the player classes: \"Classes Value:\" shows the number for the key. Click the value "
     "and press Ctrl+C to copy it.\n\nTo change an existing value, copy it from the map (the "
     "number, its classes line or the whole entity), click the value field and press Ctrl+V (or "
     "right-click it and choose \"Paste Value\"): the boxes then show the classes it holds."},
    {IDD_SPAWNTEAMS_CALCULATOR,
     "Tick the groups the structure belongs to: \"spawnteams:\" shows the number for its "
     "spawnteams key. Click the value and press Ctrl+C to copy it.\n\nTo change an existing "
     "value, copy it from the map (the number, its spawnteams line or the whole entity), click "
     "the value field and press Ctrl+V (or right-click it and choose \"Paste Value\"): the boxes "
     "then show the groups it holds."},
    {IDD_FOG_SETTINGS,
     "R, G and B set the colour of the fog (only their proportions matter) and Alpha how thick "
     "it is: drag them, or use the arrow keys, Page Up and Page Down, Home and End or the wheel. "
     "The preview shows the fog over a sample picture, and mass, speed, accel and decel are the "
     "values for the fog entity's fields. Click a field and press Ctrl+C to copy it.\n\nTo "
     "change a fog already in the map, copy its entity (or its mass, speed, accel and decel "
     "lines) and press Ctrl+V anywhere here, or right-click a field and choose \"Paste Fog\": "
     "each slider the text gives moves to its value."},
};

}  // namespace

const std::span<const HelpText> kHelpTexts = kTexts;

const char* const kUsage =
    "Works out the values of Vardak map entity keys: classes, spawnteams and the fog fields.\n"
    "  --help     show this text\n"
    "  --version  show the program's version\n"
    "Qt's own options, such as -platform, are taken as well.\n";
