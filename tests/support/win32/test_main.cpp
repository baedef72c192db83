#include <gtest/gtest.h>

#include "platform/detail/backend_contract.h"

int main(int argc, char** argv) {
  // What the program's start does before its first dialog: the common controls' classes.
  platform::detail::StartApplication("tests");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
