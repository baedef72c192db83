#include "platform/cstring.h"

#include <cstdio>
#include <cstring>

namespace {

template <class... Kinds>
struct Overloaded : Kinds... {
  using Kinds::operator()...;
};

long long AsSigned(const std::variant<long long, unsigned long long, double, const char*>& arg) {
  return std::visit(Overloaded{[](long long v) { return v; },
                               [](unsigned long long v) { return static_cast<long long>(v); },
                               [](double v) { return static_cast<long long>(v); },
                               [](const char*) { return 0LL; }},
                    arg);
}

double AsDouble(const std::variant<long long, unsigned long long, double, const char*>& arg) {
  return std::visit(Overloaded{[](long long v) { return static_cast<double>(v); },
                               [](unsigned long long v) { return static_cast<double>(v); },
                               [](double v) { return v; }, [](const char*) { return 0.0; }},
                    arg);
}

const char* AsText(const std::variant<long long, unsigned long long, double, const char*>& arg) {
  const char* const* text = std::get_if<const char*>(&arg);
  return text != nullptr && *text != nullptr ? *text : "";
}

template <class Value>
void AppendFormatted(std::string& out, const std::string& directive, Value value) {
  const int length = std::snprintf(nullptr, 0, directive.c_str(), value);
  if (length <= 0) {
    return;
  }
  std::string piece(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(piece.data(), piece.size(), directive.c_str(), value);
  piece.resize(static_cast<std::size_t>(length));
  out += piece;
}

}  // namespace

void CString::FormatArguments(const char* format, const std::vector<Argument>& arguments) {
  std::string out;
  std::size_t next = 0;
  for (const char* p = format == nullptr ? "" : format; *p != '\0'; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    if (p[1] == '%') {
      out += '%';
      ++p;
      continue;
    }
    // Keep flags, width and precision; drop the length modifier, which the argument decides.
    std::string directive = "%";
    const char* q = p + 1;
    while (*q != '\0' && std::strchr("-+ #0123456789.", *q) != nullptr) {
      directive += *q++;
    }
    while (*q != '\0' && std::strchr("hlLqjzt", *q) != nullptr) {
      ++q;
    }
    const char conversion = *q;
    if (conversion == '\0') {
      out.append(p);
      break;
    }
    p = q;
    if (next >= arguments.size()) {
      continue;
    }
    const Argument& argument = arguments[next++];
    if (std::strchr("diuoxXcfFeEgGaAs", conversion) == nullptr) {
      continue;  // %n, %p and unknown conversions take their argument and write nothing
    }
    if (std::strchr("di", conversion) != nullptr) {
      AppendFormatted(out, directive + "lld", AsSigned(argument));
    } else if (std::strchr("uoxX", conversion) != nullptr) {
      AppendFormatted(out, directive + "ll" + conversion,
                      static_cast<unsigned long long>(AsSigned(argument)));
    } else if (conversion == 'c') {
      AppendFormatted(out, directive + 'c', static_cast<int>(AsSigned(argument)));
    } else if (conversion == 's') {
      AppendFormatted(out, directive + 's', AsText(argument));
    } else {
      AppendFormatted(out, directive + conversion, AsDouble(argument));
    }
  }
  m_text = std::move(out);
}
