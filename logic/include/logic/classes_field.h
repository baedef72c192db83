#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "logic/toggle_row.h"

// Rows in the order of the dialog's check boxes (left column, then right column), which is not
// the order of the bits: "Wraith" and "Kamikaze" swap bits 19 and 20, and "Biotech" is bit 5.
inline constexpr std::array<ToggleRow, 16> ClassBitTable{{
    {"Breeder", 0x10000},
    {"Hatchling", 0x20000},
    {"Drone", 0x40000},
    {"Wraith", 0x100000},
    {"Kamikaze", 0x80000},
    {"Stinger", 0x200000},
    {"Guardian", 0x400000},
    {"Stalker", 0x800000},
    {"Engineer", 0x1},
    {"Grunt", 0x2},
    {"Shock Trooper", 0x4},
    {"Biotech", 0x20},
    {"Heavy Trooper", 0x8},
    {"Commando", 0x10},
    {"Exterminator", 0x40},
    {"Mech", 0x80},
}};

struct EntityDescription {
  const char* name;
  const char* description;
};

// In the order in which a name is compared.
inline constexpr std::array<EntityDescription, 6> EntityDescriptionTable{{
    {"trigger_multiple",
     "For the trigger_multiple entity, the classes field specifies which classes WILL trigger "
     "the entity.  If no value is specified then all classes can trigger it."},
    {"trigger_once",
     "For the trigger_once entity, the classes field specifies which classes WILL trigger the "
     "entity.  If no value is specified then all classes can trigger it."},
    {"worldspawn",
     "The classes field of the worldspawn entity specifies which classes WILL NOT be allowed to "
     "spawn."},
    {"trigger_fog",
     "The classes field of the trigger_fog entity specifies which classes WILL see the fog.  All "
     "classes see the fog if no value is specified."},
    {"target_humans_win",
     "The classes field of the target_humans_win entity specifies which classes can trigger the "
     "entity by touching it."},
    {"target_aliens_win",
     "The classes field of the target_aliens_win entity specifies which classes can trigger the "
     "entity by touching it."},
}};

// The order in which the names are handed to the (sorting) entity list.
inline constexpr std::array<const char*, 6> EntityNameList{
    "target_humans_win", "target_aliens_win", "trigger_fog",
    "worldspawn",        "trigger_once",      "trigger_multiple",
};

inline constexpr const char* InitialEntityName = "trigger_multiple";

// The description of an entity named exactly so (case and whole string count), or nothing, which
// tells the caller to leave the description it shows as it is.
std::optional<std::string_view> DescriptionForName(const char* name);
