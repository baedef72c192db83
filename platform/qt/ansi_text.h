#pragma once

#include <QString>
#include <string>

namespace platform::qt {

// The program's text is 8-bit; Latin-1 keeps every byte as one character and back.
inline QString FromAnsi(const char* text) {
  return QString::fromLatin1(text == nullptr ? "" : text);
}
inline std::string ToAnsi(const QString& text) {
  return text.toLatin1().toStdString();
}

}  // namespace platform::qt
