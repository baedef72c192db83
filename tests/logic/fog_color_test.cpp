#include "logic/fog_color.h"

#include <gtest/gtest.h>

namespace {

TEST(FogColor, DefaultsAreWhiteAtHalfThickness) {
  const FogColor color = DefaultFogColor();
  EXPECT_EQ(color.m_nRed, 100);
  EXPECT_EQ(color.m_nGreen, 100);
  EXPECT_EQ(color.m_nBlue, 100);
  EXPECT_EQ(color.m_nAlpha, 50);
}

TEST(FogColor, FieldsMapAlphaToMassAndChannelsToSpeedAccelDecel) {
  const EntityFieldTexts defaults = FieldTexts(DefaultFogColor());
  EXPECT_EQ(defaults.mass, "50");
  EXPECT_EQ(defaults.speed, "100");
  EXPECT_EQ(defaults.accel, "100");
  EXPECT_EQ(defaults.decel, "100");

  const EntityFieldTexts mixed = FieldTexts(FogColor{7, 30, 0, 99});
  EXPECT_EQ(mixed.mass, "99");
  EXPECT_EQ(mixed.speed, "7");
  EXPECT_EQ(mixed.accel, "30");
  EXPECT_EQ(mixed.decel, "0");
}

}  // namespace
