#pragma once

#include <optional>

// Answers the command line before the program itself starts: --help and
// --version, and any argument the program does not take. Returns the exit
// code when the process should end there, nothing for an ordinary start.
std::optional<int> handleCommandLine(int& argc, char* argv[]);
