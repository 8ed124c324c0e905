#pragma once
// The error log err.txt: every rejected QSO and every duplicate, one line each.
#include <string_view>

#include "platform/file_system.h"

namespace corvane {

inline constexpr std::string_view kErrorLogPath = "err.txt";
inline constexpr std::string_view kLineEnd = "\r\n";

// Recreates the log with its header line; a log that cannot be written is silently lost.
void RecreateErrorLog(FileSystem& files);

}  // namespace corvane
