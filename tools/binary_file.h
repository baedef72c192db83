#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

// Little-endian integers, as Windows' icon and bitmap files store them.
inline void Append16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
}

inline void Append32(QByteArray& out, int value) {
  Append16(out, value & 0xFFFF);
  Append16(out, (value >> 16) & 0xFFFF);
}

// Writes the bytes to the file named on the command line; false, with a message, on failure.
inline bool WriteBinaryFile(const char* path, const QByteArray& bytes) {
  QFile out(QString::fromLocal8Bit(path));
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", path);
    return false;
  }
  return true;
}
