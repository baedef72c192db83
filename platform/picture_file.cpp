#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/additions.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/picture_header.h"

namespace platform {

namespace {

constexpr std::array<BYTE, 2> kJpegEnd{0xFF, 0xD9};
// Where a JPEG's end marker may stand before the file ends: some programs pad or append a little.
constexpr std::size_t kJpegTailSearched = 4096;

// A JPEG decoder fills what a file cut short lacks with grey and calls it a picture; one whose
// end marker is missing is cut short.
bool JpegCutShort(const std::vector<BYTE>& bytes) {
  const auto tail =
      bytes.end() - static_cast<std::ptrdiff_t>(std::min(bytes.size(), kJpegTailSearched));
  return std::search(tail, bytes.end(), kJpegEnd.begin(), kJpegEnd.end()) == bytes.end();
}

}  // namespace

PictureRead ReadPictureFile(LPCWSTR path, int coverWidth, int coverHeight, Picture& picture) {
  picture = {};
  // A file larger than the largest picture's pixels holds no picture the preview would take.
  std::vector<BYTE> bytes;
  if (const PictureRead read = detail::ReadWholeFile(path, kLargestPicture, bytes);
      read != PictureRead::kRead) {
    return read;
  }
  if (bytes.empty()) {
    return PictureRead::kEmpty;
  }
  const detail::PictureHeader header = detail::ReadPictureHeader(bytes);
  if (header.read != PictureRead::kRead) {
    return header.read;
  }
  if (std::uint64_t{header.width} * header.height * 4 > kLargestPicture) {
    picture.width = static_cast<int>(header.width);
    picture.height = static_cast<int>(header.height);
    return PictureRead::kTooLarge;
  }
  if (header.jpeg && JpegCutShort(bytes)) {
    return PictureRead::kDamaged;
  }
  return detail::DecodePicture(bytes, coverWidth, coverHeight, picture);
}

}  // namespace platform
