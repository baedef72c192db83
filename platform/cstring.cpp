#include "platform/cstring.h"

void CString::FormatIntegers(const char* format, std::initializer_list<long long> values) {
  std::string out;
  auto next = values.begin();
  for (const char* p = format == nullptr ? "" : format; *p != '\0'; ++p) {
    const char* conversion = p + 1;
    if (*p == '%' && *conversion == 'l') {
      ++conversion;
    }
    if (*p == '%' && (*conversion == 'd' || *conversion == 'i')) {
      if (next != values.end()) {
        out += std::to_string(*next++);
      }
      p = conversion;
    } else if (*p == '%' && p[1] == '%') {
      out += '%';
      ++p;
    } else {
      out += *p;
    }
  }
  m_text = std::move(out);
}
