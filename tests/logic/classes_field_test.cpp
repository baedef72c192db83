#include "logic/classes_field.h"

#include <gtest/gtest.h>

namespace {

// The names compare as whole, case-sensitive strings: anything else leaves the text as it is.
TEST(ClassesField, OnlyAnExactWholeNameHasADescription) {
  EXPECT_TRUE(DescriptionForName("worldspawn").has_value());
  for (const char* name : {"Worldspawn", "WORLDSPAWN", "worldspawn ", "world", "trigger_",
                           "trigger_multiple2", "", "anything else"}) {
    EXPECT_FALSE(DescriptionForName(name).has_value()) << '"' << name << '"';
  }
  EXPECT_FALSE(DescriptionForName(nullptr).has_value());
}

}  // namespace
