#include "logic/entity_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_view_literals;

// What the text gives for the calculators' keys, one spelt differently from the text, as
// "key=value;" pairs or "conflict key 'first' 'second'".
std::string Read(std::string_view text) {
  constexpr std::string_view keys[] = {"classes", "Spawnteams"};
  const KeyValues read = FindKeyValues(text, keys);
  if (read.conflict) {
    const auto& c = *read.conflict;
    return "conflict " + c.key + " '" + c.first + "' '" + c.second + "'";
  }
  std::string found;
  for (const KeyValue& pair : read.found) {
    found += pair.key + "=" + pair.value + ";";
  }
  return found;
}

TEST(EntityText, ReadsEachFormAndEachOutcome) {
  const struct {
    std::string_view text;
    std::string_view read;
  } cases[] = {
      {R"("classes" "130")", "classes=130;"},
      {"classes 130", "classes=130;"},
      {"classes: 130", "classes=130;"},
      {"classes = 130", "classes=130;"},
      {"\tCLASSES:130\t", "classes=130;"},
      {"\"classes\"\t\" 130 \"  // Guardian", "classes=130;"},
      {"spawnteams 3\r\nclasses 130", "classes=130;Spawnteams=3;"},
      {"classes 5\rspawnteams=6\n", "classes=5;Spawnteams=6;"},
      {R"(// classes 4
{
"classname" "trigger_once"
"message" "classes 5"
"classes" "130"
{
( -64 -64 -16 ) ( -64 -63 -16 ) ( -64 -64 -15 ) base/wall 0 0 0 1 1
"classes" "7"
patchDef2
{
spawnteams
}
}
})",
       "classes=130;"},
      {"}\n}\n{\nclasses 9\n{\nclasses 7\n}\n}", "classes=9;"},
      {R"("classes" "a//b")", "classes=a//b;"},
      {"\"message\" \"début\"\n\"clässes\" \"1\"\nclasses 1½", "classes=1½;"},
      {"classes", "classes=;"},
      {R"("classes" "")", "classes=;"},
      {"classes:", "classes=;"},
      {R"("classes" "13)", "classes=\"13;"},
      {R"("classes" "1" "2")", "classes=\"1\" \"2\";"},
      {R"("classes 130)", ""},
      {R"("classes)", "classes=;"},
      {"classes 5\0\nspawnteams 2"sv, "Spawnteams=2;"},
      {"130", ""},
      {R"("classname" "light")", ""},
      {"", ""},
      {"classes 4\n\"Classes\" \"4\"", "classes=4;"},
      {"classes 1\nclasses 1\nspawnteams 8\nCLASSES 2\nclasses 3", "conflict classes '1' '2'"},
      {"classes\nclasses 4", "conflict classes '' '4'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.text), c.read) << c.text;
  }
}

TEST(FogFieldValue, TakesWholeNumbersFrom0To100Only) {
  for (const auto& [text, value] :
       {std::pair{"0"sv, 0}, {"100"sv, 100}, {" 7 "sv, 7}, {"\t42\n"sv, 42}, {"007"sv, 7}}) {
    EXPECT_EQ(ParseFogFieldValue(text), value) << text;
  }
  for (const std::string_view text : {"101"sv, "-1"sv, "+5"sv, "7.0"sv, ""sv, " "sv, "0x10"sv,
                                      "1 2"sv, "-0"sv, "99999999999"sv, "5\0"sv}) {
    EXPECT_EQ(ParseFogFieldValue(text), std::nullopt) << text;
  }
}

}  // namespace
