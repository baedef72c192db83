#pragma once

#include <initializer_list>
#include <string>
#include <type_traits>

// 8-bit text, shaped like the class library's string class.
class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text == nullptr ? "" : text) {}  // NOLINT: implicit by design

  operator const char*() const { return m_text.c_str(); }  // NOLINT: implicit by design
  bool operator==(const CString& other) const = default;

  // printf-style formatting of whole numbers, the only values the program formats: "%d" and
  // "%ld" (and "%i", "%li") take the next argument, "%%" is a percent sign, anything else is
  // copied as it stands, and a conversion with no argument left writes nothing. The arguments
  // must be integers, so no argument can be taken as the wrong kind.
  template <class... Args>
  void Format(const char* format, const Args&... args) {
    static_assert((std::is_integral_v<Args> && ...), "CString::Format formats whole numbers");
    FormatIntegers(format, {static_cast<long long>(args)...});
  }

 private:
  void FormatIntegers(const char* format, std::initializer_list<long long> values);

  std::string m_text;
};
