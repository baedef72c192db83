#include "logic/spawnteams_field.h"

#include <gtest/gtest.h>

namespace {

TEST(SpawnteamsField, RowsAreTheBitsInOrderAndAllEightGive255) {
  const char* labels[] = {"Group A", "Group B", "Group C", "Group D",
                          "Group E", "Group F", "Group G", "Group H"};
  ASSERT_EQ(SpawnteamGroupTable.size(), std::size(labels));
  std::int32_t all = 0;
  for (std::size_t row = 0; row < SpawnteamGroupTable.size(); ++row) {
    EXPECT_STREQ(SpawnteamGroupTable[row].label, labels[row]);
    EXPECT_EQ(ToggleRowBit(0, SpawnteamGroupTable[row]), 1 << row);
    all = ToggleRowBit(all, SpawnteamGroupTable[row]);
  }
  EXPECT_EQ(all, 255);
  EXPECT_EQ(ToggleRowBit(all, SpawnteamGroupTable[2]), 251);  // a second click clears
}

}  // namespace
