#pragma once

#include <optional>
#include <string>

// What the program does with its command line before and after Qt takes its own options out.
namespace platform::qt {

// For --help and --version, wherever they stand: the text to print and exit 0 with.
std::optional<std::string> InformationAsked(int argc, char** argv);

// What is wrong with the command line, said before any display is needed: an argument that is
// neither the program's (--help, --version) nor one of Qt's options, or a Qt option that lacks
// its value.
std::optional<std::string> CommandLineFault(int argc, char** argv);

// What is left once Qt has taken its options: the first argument, which the program does not
// take, or nothing. It catches what Qt's platform plugin leaves (-display under Wayland).
std::optional<std::string> UnknownArgument(int argc, char** argv);

// The name the program was started by, for its messages.
std::string ProgramName(char** argv);

}  // namespace platform::qt
