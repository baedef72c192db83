#include "platform/qt/command_line.h"

#include <cstring>

#include "platform/detail/resources.h"

namespace platform::qt {

std::optional<std::string> InformationAsked(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      const char* usage = detail::ProgramResourceTable() != nullptr
                              ? detail::ProgramResourceTable()->usage
                              : nullptr;
      return "Usage: " + ProgramName(argv) + " [--help] [--version] [Qt options]\n" +
             (usage != nullptr ? usage : "");
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      return ProgramName(argv) + " " + detail::ProgramVersion() + "\n";
    }
  }
  return std::nullopt;
}

std::optional<std::string> UnknownArgument(int argc, char** argv) {
  if (argc > 1) {
    return std::string(argv[1]);
  }
  return std::nullopt;
}

std::string ProgramName(char** argv) {
  const std::string path = argv[0] != nullptr ? argv[0] : "";
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace platform::qt
