#include <fcntl.h>
#include <unistd.h>

#include <array>

#include "platform/detail/backend_contract.h"
#include "platform/qt/notify.h"

namespace platform::detail {

// The kernel reads the bytes on the process's behalf and answers EFAULT where they cannot be
// read, so a bad pointer costs an error rather than a crash. A pipe takes them and gives them
// back, leaving it empty for the next question.
bool IsReadableMemory(const void* address, std::size_t size) {
  // The notifications this backend sends itself: no need to ask the kernel, which costs a
  // slider release a few microseconds.
  if (size <= sizeof(NMHDR) && qt::IsHeaderBeingDelivered(address)) {
    return true;
  }
  static std::array<int, 2> pipe = {-1, -1};
  if (pipe[0] < 0 && ::pipe2(pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    return false;
  }
  constexpr std::size_t kLargest = 256;
  if (address == nullptr || size > kLargest) {
    return false;
  }
  const ssize_t written = ::write(pipe[1], address, size);
  std::array<char, kLargest> drained{};
  while (::read(pipe[0], drained.data(), drained.size()) > 0) {
  }
  return written == static_cast<ssize_t>(size);
}

}  // namespace platform::detail
