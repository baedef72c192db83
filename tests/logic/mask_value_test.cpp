#include "logic/mask_value.h"

#include <gtest/gtest.h>

#include "logic/classes_field.h"
#include "logic/spawnteams_field.h"

namespace {

TEST(MaskValue, ReadsWholeDecimalAndHexadecimalValues) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {{"130", 130},
               {"  65536\n", 65536},
               {"\t0x10000 ", 0x10000},
               {"0X7f", 127},
               {"0xFFFFFFFF", -1},
               {"0x80000000", INT32_MIN},
               {"2147483647", INT32_MAX},
               {"-2147483648", INT32_MIN},
               {"2147483648", INT32_MIN},
               {"4294967295", -1},
               {"+4294967294", -2},
               {"+12", 12},
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
  EXPECT_TRUE(IsBlank(" \t\n"));
  EXPECT_FALSE(IsBlank(" 1 "));
}

TEST(MaskValue, FindsTheBitsNoRowNames) {
  EXPECT_EQ(UnnamedBits(130, ClassBitTable), std::vector<int>());
  EXPECT_EQ(UnnamedBits(0x100 | 0x2, ClassBitTable), std::vector<int>({8}));
  EXPECT_EQ(UnnamedBits(-1, ClassBitTable),
            std::vector<int>({8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31}));
  EXPECT_EQ(UnnamedBits(300, SpawnteamGroupTable), std::vector<int>({8}));
}

}  // namespace
