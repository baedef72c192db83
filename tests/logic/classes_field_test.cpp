#include "logic/classes_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::int32_t ToggleAll(std::int32_t mask, std::size_t first, std::size_t last) {
  for (std::size_t row = first; row < last; ++row) {
    mask = ToggleRowBit(mask, ClassBitTable[row]);
  }
  return mask;
}

std::size_t RowOf(const std::string& label) {
  for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
    if (label == ClassBitTable[row].label) {
      return row;
    }
  }
  ADD_FAILURE() << "no row " << label;
  return 0;
}

TEST(ClassesField, OneClickGivesTheClassBit) {
  const struct {
    const char* label;
    std::int32_t mask;
  } cases[] = {{"Engineer", 1},      {"Grunt", 2},        {"Biotech", 32},    {"Heavy Trooper", 8},
               {"Commando", 16},     {"Mech", 128},       {"Breeder", 65536}, {"Wraith", 1048576},
               {"Kamikaze", 524288}, {"Stalker", 8388608}};
  for (const auto& c : cases) {
    EXPECT_EQ(ToggleRowBit(0, ClassBitTable[RowOf(c.label)]), c.mask) << c.label;
  }
}

TEST(ClassesField, RowsKeepTheDialogOrderNotTheBitOrder) {
  const char* labels[] = {"Breeder",       "Hatchling", "Drone",         "Wraith",
                          "Kamikaze",      "Stinger",   "Guardian",      "Stalker",
                          "Engineer",      "Grunt",     "Shock Trooper", "Biotech",
                          "Heavy Trooper", "Commando",  "Exterminator",  "Mech"};
  for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
    EXPECT_STREQ(ClassBitTable[row].label, labels[row]);
  }
}

TEST(ClassesField, ColumnsCoverExactlyTheirBitGroups) {
  EXPECT_EQ(ToggleAll(0, 0, 8), 0x00FF0000);
  EXPECT_EQ(ToggleAll(0, 8, 16), 0x000000FF);
  EXPECT_EQ(ToggleAll(0, 0, 16), 0x00FF00FF);
}

TEST(ClassesField, SecondClickRestoresAndAllClearedIsZero) {
  const std::int32_t mask = ToggleRowBit(0, ClassBitTable[RowOf("Grunt")]);
  const std::int32_t both = ToggleRowBit(mask, ClassBitTable[RowOf("Mech")]);
  EXPECT_EQ(both, 130);
  EXPECT_EQ(ToggleRowBit(both, ClassBitTable[RowOf("Mech")]), mask);
  EXPECT_EQ(ToggleAll(ToggleAll(0, 0, 16), 0, 16), 0);
}

TEST(ClassesField, EveryEntityHasItsDescription) {
  for (const EntityDescription& row : EntityDescriptionTable) {
    const auto description = DescriptionForName(row.name);
    ASSERT_TRUE(description.has_value()) << row.name;
    EXPECT_EQ(*description, row.description);
  }
  EXPECT_EQ(*DescriptionForName("worldspawn"),
            "The classes field of the worldspawn entity specifies which classes WILL NOT be "
            "allowed to spawn.");
  EXPECT_EQ(*DescriptionForName("trigger_multiple"),
            "For the trigger_multiple entity, the classes field specifies which classes WILL "
            "trigger the entity.  If no value is specified then all classes can trigger it.");
  EXPECT_EQ(*DescriptionForName("trigger_fog"),
            "The classes field of the trigger_fog entity specifies which classes WILL see the "
            "fog.  All classes see the fog if no value is specified.");
}

TEST(ClassesField, OnlyAnExactWholeNameMatches) {
  for (const char* name : {"Worldspawn", "WORLDSPAWN", "worldspawn ", "world", "trigger_",
                           "trigger_multiple2", "", "anything else"}) {
    EXPECT_FALSE(DescriptionForName(name).has_value()) << '"' << name << '"';
  }
  EXPECT_FALSE(DescriptionForName(nullptr).has_value());
}

TEST(ClassesField, NameListOffersEveryDescribedEntity) {
  for (const char* name : EntityNameList) {
    EXPECT_TRUE(DescriptionForName(name).has_value()) << name;
  }
  EXPECT_TRUE(DescriptionForName(InitialEntityName).has_value());
  EXPECT_STREQ(EntityNameList.front(), "target_humans_win");
  EXPECT_STREQ(EntityNameList.back(), "trigger_multiple");
}

}  // namespace
