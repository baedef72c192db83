#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>

#include "platform/detail/backend_contract.h"

namespace platform {

// Only a regular file (or a link to one) is read: a pipe or a device could keep the program
// waiting, or give bytes without end. Read in pieces up to one byte beyond `largest`, whatever
// size the system claims.
PictureRead detail::ReadWholeFile(LPCWSTR path, std::size_t largest, std::vector<BYTE>& bytes) {
  bytes.clear();
  const QString name = QString::fromWCharArray(path);
  const QFileInfo info(name);
  if (!info.exists()) {
    return PictureRead::kNoSuchFile;
  }
  if (info.isDir()) {
    return PictureRead::kFolder;
  }
  QFile file(name);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    return PictureRead::kUnreadable;
  }
  constexpr qint64 kPiece = 1 << 16;
  for (;;) {
    const std::size_t at = bytes.size();
    bytes.resize(at + kPiece);
    const qint64 read = file.read(reinterpret_cast<char*>(bytes.data() + at), kPiece);
    bytes.resize(at + static_cast<std::size_t>(std::max<qint64>(read, 0)));
    if (read < 0) {
      return PictureRead::kUnreadable;
    }
    if (bytes.size() > largest) {
      return PictureRead::kTooLarge;
    }
    if (read == 0) {
      return PictureRead::kRead;
    }
  }
}

}  // namespace platform
