#include "logic/toggle_row.h"

std::string MaskText(std::int32_t mask) {
  return std::to_string(mask);
}
