#pragma once
// The command line of corvane, the command-line host: scores an ADIF log through the plug-in,
// asks it about one more call, or shows what a host sees of the library.
#include <ostream>
#include <string>
#include <vector>

namespace corvane::host {

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kCannotRun = 1;  // the plug-in library, the country file or the folder failed
inline constexpr int kBadInput = 2;   // the command line or the log is wrong

// Runs one command line (the arguments after the program name) and returns the exit status.
// Reports go to `out`, problems to `err`.
int RunCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace corvane::host
