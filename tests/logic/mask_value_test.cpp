#include "logic/mask_value.h"

#include <gtest/gtest.h>

namespace {

TEST(MaskValue, ReadsWholeDecimalAndHexadecimalValues) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {{"130", 130},
               {"\t0x10000 ", 0x10000},
               {"0X7f", 127},
               {"0xFFFFFFFF", -1},
               {"0x80000000", INT32_MIN},
               {"2147483647", INT32_MAX},
               {"-2147483648", INT32_MIN},
               {"2147483648", INT32_MIN},
               {"4294967295", -1},
               {"+4294967294", -2},
               {"0", 0},
               {"007", 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseMaskValue(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(MaskValue, RefusesAnythingElse) {
  for (const char* text :
       {"", "   ", "words", "12 13", "12,13", "4294967296", "-2147483649", "-4294967295", "0x",
        "0x123456789", "0x-1", "0x+1", "0xg1", "12abc", "1.5", "+-3", "--3", "0b101", "٣"}) {
    EXPECT_EQ(ParseMaskValue(text), std::nullopt) << '"' << text << '"';
  }
  using namespace std::string_view_literals;
  EXPECT_EQ(ParseMaskValue("12\0abc"sv), std::nullopt);
  EXPECT_EQ(ParseMaskValue("12\0"sv), std::nullopt);
}

}  // namespace
