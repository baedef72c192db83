#include "platform/detail/backend_contract.h"

namespace platform {

// Opened for reading while others may read, write or delete it, as a file manager would leave
// a picture; one that another program holds without sharing cannot be read.
PictureRead detail::ReadWholeFile(LPCWSTR path, std::size_t largest, std::vector<BYTE>& bytes) {
  bytes.clear();
  const DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                   error == ERROR_INVALID_NAME
               ? PictureRead::kNoSuchFile
               : PictureRead::kUnreadable;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return PictureRead::kFolder;
  }
  const HANDLE file =
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return PictureRead::kUnreadable;
  }
  PictureRead result = PictureRead::kRead;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    result = PictureRead::kUnreadable;
  } else if (static_cast<unsigned long long>(size.QuadPart) > largest) {
    result = PictureRead::kTooLarge;
  } else {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
      result = PictureRead::kUnreadable;
    }
  }
  CloseHandle(file);
  return result;
}

}  // namespace platform
