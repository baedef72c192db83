#include "platform/cstring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

template <class... Args>
std::string Formatted(const char* format, const Args&... args) {
  CString text;
  text.Format(format, args...);
  return static_cast<const char*>(text);
}

TEST(CString, FormatsWholeNumbersAndLeavesTheRestAsItStands) {
  EXPECT_EQ(Formatted("%ld", std::int32_t{130}), "130");
  EXPECT_EQ(Formatted("%ld", INT32_MIN), "-2147483648");
  EXPECT_EQ(Formatted("mass %d%% %i", -5, 7u), "mass -5% 7");
  EXPECT_EQ(Formatted("%d and %d", 1), "1 and ");
  EXPECT_EQ(Formatted("%s %x %", 3), "%s %x %");
  EXPECT_EQ(Formatted(nullptr, 3), "");
}

}  // namespace
