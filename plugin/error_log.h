#pragma once
// The error log err.txt: every rejected QSO and every duplicate, one line each.
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "plugin/entry_args.h"

namespace corvane {

inline constexpr std::string_view kErrorLogPath = "err.txt";
inline constexpr std::string_view kLineEnd = "\r\n";

// Why a QSO line was written; each text starts with three blanks.
inline constexpr std::string_view kNoContestBand = "   NO CONTEST BAND !!!";
inline constexpr std::string_view kNoContestMode = "   NO CONTEST MODE !!!";
inline constexpr std::string_view kNoRxNumber = "   NO RX NUMBER !!!";
inline constexpr std::string_view kDupeReason = "   DUPE !!!";

// Recreates the log with its header line; a log that cannot be written is silently lost.
void RecreateErrorLog(FileSystem& files);

// "QSO:  " then frequency (kHz), mode, time, own call, report and exchange sent, call, report and
// exchange received, two blanks apart, the reason right after, CR LF. Texts go in unchanged.
std::string ErrorLine(const QsoArgs& qso, std::string_view time, std::string_view reason);

}  // namespace corvane
