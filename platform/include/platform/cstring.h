#pragma once

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

// 8-bit text, shaped like the class library's string class.
class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text == nullptr ? "" : text) {}  // NOLINT: implicit by design

  operator const char*() const { return m_text.c_str(); }  // NOLINT: implicit by design
  bool operator==(const CString& other) const = default;

  // printf-style formatting that cannot be tricked by the arguments: each conversion takes the
  // next argument as the kind of value it really is, and a missing argument formats as nothing.
  template <class... Args>
  void Format(const char* format, const Args&... args) {
    FormatArguments(format, {ToArgument(args)...});
  }

 private:
  using Argument = std::variant<long long, unsigned long long, double, const char*>;

  template <class T>
  static Argument ToArgument(const T& value) {
    if constexpr (std::is_convertible_v<T, const char*>) {
      return static_cast<const char*>(value);
    } else if constexpr (std::is_floating_point_v<T>) {
      return static_cast<double>(value);
    } else if constexpr (std::is_signed_v<T>) {
      return static_cast<long long>(value);
    } else {
      static_assert(std::is_unsigned_v<T>, "CString::Format takes numbers and text");
      return static_cast<unsigned long long>(value);
    }
  }

  void FormatArguments(const char* format, const std::vector<Argument>& arguments);

  std::string m_text;
};
