#include "logic/spawnteams_field.h"

#include <gtest/gtest.h>

namespace {

TEST(SpawnteamsField, RowsAreTheBitsInOrder) {
  const char* labels[] = {"Group A", "Group B", "Group C", "Group D",
                          "Group E", "Group F", "Group G", "Group H"};
  for (std::size_t row = 0; row < SpawnteamGroupTable.size(); ++row) {
    EXPECT_STREQ(SpawnteamGroupTable[row].label, labels[row]);
    EXPECT_EQ(ToggleRowBit(0, SpawnteamGroupTable[row]), 1 << row);
  }
}

TEST(SpawnteamsField, GroupsCombineAndUndo) {
  std::int32_t mask = ToggleRowBit(0, SpawnteamGroupTable[0]);
  mask = ToggleRowBit(mask, SpawnteamGroupTable[2]);
  EXPECT_EQ(mask, 5);
  mask = ToggleRowBit(mask, SpawnteamGroupTable[2]);
  EXPECT_EQ(mask, 1);
  mask = ToggleRowBit(mask, SpawnteamGroupTable[0]);
  EXPECT_EQ(mask, 0);
}

TEST(SpawnteamsField, AllEightGroupsGive255) {
  std::int32_t mask = 0;
  for (const ToggleRow& row : SpawnteamGroupTable) {
    mask = ToggleRowBit(mask, row);
  }
  EXPECT_EQ(mask, 255);
}

}  // namespace
