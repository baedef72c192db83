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

}  // namespace
