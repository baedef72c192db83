#pragma once

#include <cstdint>
#include <cstring>

// The two run-time helpers the value logic relies on: whole-string byte comparison for entity
// names, and float-to-integer conversion that truncates toward zero for the fog arithmetic.
namespace crt {

// Compares two NUL-terminated strings byte by byte as unsigned characters, so every byte of a
// multibyte name takes part; 0 means equal, and case always matters.
inline int mbscmp(const char* lhs, const char* rhs) {
  return std::strcmp(lhs, rhs);
}

// Truncates toward zero. The value must lie within the 32-bit range.
inline std::int32_t ftol(double value) {
  return static_cast<std::int32_t>(value);
}

}  // namespace crt
