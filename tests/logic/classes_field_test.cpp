#include "logic/classes_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The rows in the order of the dialog's boxes, each with its bit: two pairs run out of bit order.
TEST(ClassesField, RowsKeepTheDialogOrderNotTheBitOrder) {
  const std::pair<const char*, std::int32_t> rows[] = {
      {"Breeder", 0x10000},   {"Hatchling", 0x20000}, {"Drone", 0x40000},     {"Wraith", 0x100000},
      {"Kamikaze", 0x80000},  {"Stinger", 0x200000},  {"Guardian", 0x400000}, {"Stalker", 0x800000},
      {"Engineer", 0x1},      {"Grunt", 0x2},         {"Shock Trooper", 0x4}, {"Biotech", 0x20},
      {"Heavy Trooper", 0x8}, {"Commando", 0x10},     {"Exterminator", 0x40}, {"Mech", 0x80}};
  ASSERT_EQ(ClassBitTable.size(), std::size(rows));
  std::int32_t all = 0;
  for (std::size_t row = 0; row < ClassBitTable.size(); ++row) {
    EXPECT_STREQ(ClassBitTable[row].label, rows[row].first);
    EXPECT_EQ(ToggleRowBit(0, ClassBitTable[row]), rows[row].second) << rows[row].first;
    all = ToggleRowBit(all, ClassBitTable[row]);
  }
  EXPECT_EQ(all, 0x00FF00FF);
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
