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

TEST(CString, FormatsMasksAndFieldsAsPrintfWould) {
  EXPECT_EQ(Formatted("%ld", std::int32_t{130}), "130");
  EXPECT_EQ(Formatted("%ld", INT32_MIN), "-2147483648");
  EXPECT_EQ(Formatted("%d", -5), "-5");
  EXPECT_EQ(Formatted("[%5d|%-3d]", 42, 7), "[   42|7  ]");
  EXPECT_EQ(Formatted("%s=%d%%", "mass", 50), "mass=50%");
  EXPECT_EQ(Formatted("%x %u", 255u, 7u), "ff 7");
  EXPECT_EQ(Formatted("%.1f", 2.25), "2.2");
}

TEST(CString, ArgumentsThatDoNotMatchCannotCorruptTheText) {
  EXPECT_EQ(Formatted("%d and %d", 1), "1 and ");
  EXPECT_EQ(Formatted("%s", 12), "");
  EXPECT_EQ(Formatted("%d", "text"), "0");
  EXPECT_EQ(Formatted("%s", static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(Formatted("a%nb%d", 5), "ab");
  EXPECT_EQ(Formatted("tail %"), "tail %");
  EXPECT_EQ(Formatted("%lld", 1LL << 40), "1099511627776");
}

}  // namespace
