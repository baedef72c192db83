#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/additions.h"
#include "platform/detail/backend_contract.h"

namespace platform {

namespace {

constexpr std::array<BYTE, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<BYTE, 3> kJpegStart{0xFF, 0xD8, 0xFF};
constexpr std::array<BYTE, 2> kJpegEnd{0xFF, 0xD9};
constexpr std::array<BYTE, 2> kBmpStart{'B', 'M'};
// Where a JPEG's end marker may stand before the file ends: some programs pad or append a little.
constexpr std::size_t kJpegTailSearched = 4096;

template <std::size_t N>
bool StartsWith(const std::vector<BYTE>& bytes, const std::array<BYTE, N>& start) {
  return bytes.size() >= N && std::equal(start.begin(), start.end(), bytes.begin());
}

// A JPEG decoder fills what a file cut short lacks with grey and calls it a picture; one whose
// end marker is missing is cut short.
bool JpegCutShort(const std::vector<BYTE>& bytes) {
  const auto tail =
      bytes.end() - static_cast<std::ptrdiff_t>(std::min(bytes.size(), kJpegTailSearched));
  return std::search(tail, bytes.end(), kJpegEnd.begin(), kJpegEnd.end()) == bytes.end();
}

// The file a wide name names. Off Windows the standard library converts wide text with the "C"
// locale, which knows only ASCII; wide names there are UTF-32, as its char32_t text, which it
// converts to the system's UTF-8 names whatever the locale.
std::filesystem::path PathOf(LPCWSTR name) {
#if defined(_WIN32)
  return std::filesystem::path(name);
#else
  static_assert(sizeof(WCHAR) == sizeof(char32_t));
  const std::wstring_view wide(name);
  return std::filesystem::path(std::u32string(wide.begin(), wide.end()));
#endif
}

}  // namespace

PictureRead ReadPictureFile(LPCWSTR path, int coverWidth, int coverHeight, Picture& picture) {
  picture = {};
  std::error_code error;
  const std::filesystem::path file = PathOf(path);
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (!std::filesystem::exists(status)) {
    return PictureRead::kNoSuchFile;
  }
  if (std::filesystem::is_directory(status)) {
    return PictureRead::kFolder;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return PictureRead::kUnreadable;
  }
  // A file larger than the largest picture's pixels holds no picture the preview would take.
  std::vector<BYTE> bytes;
  std::array<char, 65536> chunk{};
  while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + in.gcount());
    if (bytes.size() > kLargestPicture) {
      return PictureRead::kTooLarge;
    }
  }
  if (in.bad()) {
    return PictureRead::kUnreadable;
  }
  if (bytes.empty()) {
    return PictureRead::kEmpty;
  }
  const bool jpeg = StartsWith(bytes, kJpegStart);
  if (!jpeg && !StartsWith(bytes, kPngSignature) && !StartsWith(bytes, kBmpStart)) {
    return PictureRead::kNotAPicture;
  }
  if (jpeg && JpegCutShort(bytes)) {
    return PictureRead::kDamaged;
  }
  return detail::DecodePicture(bytes, coverWidth, coverHeight, picture);
}

}  // namespace platform
