#include "platform/qt/command_line.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/detail/resources.h"

namespace platform::qt {

namespace {

enum class Value { kNone, kNext, kNextOrAttached };

struct QtOption {
  std::string_view name;
  Value value;
};

// The options QGuiApplication, QApplication and the X11 plugin take out of argv, each also
// written with two dashes; a few also take their value after '='. Checked before Qt starts, so
// that a wrong command line is refused even where there is no display.
constexpr std::array<QtOption, 20> kQtOptions{{
    {"platform", Value::kNext},
    {"platformpluginpath", Value::kNext},
    {"platformtheme", Value::kNext},
    {"plugin", Value::kNext},
    {"qwindowgeometry", Value::kNext},
    {"geometry", Value::kNext},
    {"qwindowtitle", Value::kNext},
    {"title", Value::kNext},
    {"qwindowicon", Value::kNext},
    {"icon", Value::kNext},
    {"session", Value::kNext},
    {"style", Value::kNextOrAttached},
    {"stylesheet", Value::kNextOrAttached},
    {"display", Value::kNext},
    {"name", Value::kNext},
    {"visual", Value::kNext},
    {"reverse", Value::kNone},
    {"widgetcount", Value::kNone},
    {"nograb", Value::kNone},
    {"dograb", Value::kNone},
}};

// The option's name without its one or two leading dashes; empty for anything else.
std::string_view OptionName(std::string_view argument) {
  if (argument.starts_with("--")) {
    return argument.substr(2);
  }
  return argument.starts_with('-') ? argument.substr(1) : std::string_view();
}

std::string Unknown(char** argv, std::string_view argument) {
  const std::string name = ProgramName(argv);
  return name + ": unknown " + (argument.starts_with('-') ? "option" : "argument") + " '" +
         std::string(argument) + "' (see " + name + " --help)\n";
}

}  // namespace

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

std::optional<std::string> CommandLineFault(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "--version") {
      continue;
    }
    std::string_view name = OptionName(argument);
    // "-style=fusion": the value in the same argument.
    const bool valueAttached = name.find('=') != std::string_view::npos;
    name = name.substr(0, name.find('='));
    const auto option = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                     [name](const QtOption& known) { return known.name == name; });
    if (name.empty() || option == kQtOptions.end() ||
        (valueAttached && option->value != Value::kNextOrAttached)) {
      return Unknown(argv, argument);
    }
    if (option->value != Value::kNone && !valueAttached && ++i == argc) {
      return ProgramName(argv) + ": option '" + std::string(argument) + "' needs a value (see " +
             ProgramName(argv) + " --help)\n";
    }
  }
  return std::nullopt;
}

std::optional<std::string> UnknownArgument(int argc, char** argv) {
  if (argc > 1) {
    return Unknown(argv, argv[1]);
  }
  return std::nullopt;
}

std::string ProgramName(char** argv) {
  const std::string path = argv[0] != nullptr ? argv[0] : "";
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace platform::qt
