#pragma once

#include <QByteArray>

// Little-endian integers, as Windows' icon and bitmap files store them.
inline void Append16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
}

inline void Append32(QByteArray& out, int value) {
  Append16(out, value & 0xFFFF);
  Append16(out, (value >> 16) & 0xFFFF);
}
