#pragma once

#include <optional>
#include <string>

// What the program does with its command line before and after Qt takes its own options out.
namespace platform::qt {

// For --help and --version, wherever they stand: the text to print and exit 0 with.
std::optional<std::string> InformationAsked(int argc, char** argv);

// What is left once Qt has taken its options: the first argument, which the program does not
// take, or nothing.
std::optional<std::string> UnknownArgument(int argc, char** argv);

// The name the program was started by, for its messages.
std::string ProgramName(char** argv);

}  // namespace platform::qt
