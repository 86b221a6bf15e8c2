#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// Exit statuses.
inline constexpr int ExitSuccess = 0;
// A run ended with a model fault, or the output could not be written.
inline constexpr int ExitRunFailed = 1;
// The command line cannot be used; nothing was written.
inline constexpr int ExitUsage = 2;

// kyvadlo-run with the arguments that follow the program's name: checks the
// whole command line first, then runs the pendulum once per angle and writes
// the data (to standardOutput unless --output names a file), the summary and
// the picture. Messages go to standardError, each line starting with
// "kyvadlo-run: "; the window's messages keep the text its error box shows.
// Returns the exit status.
int RunProgram(const std::vector<std::string>& arguments, std::FILE* standardOutput, std::FILE* standardError);

} // namespace cli
