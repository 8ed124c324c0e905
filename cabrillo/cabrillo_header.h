#pragma once
// The Cabrillo header: the texts that open the log file, loaded from the settings file and
// offered to the operator at the start of every scoring run opened for export.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/header_dialog.h"

namespace corvane {

struct ContestState;
struct Platform;

// The dialog's texts plus what the export derives for the file. Lives as long as the library;
// what a run does not load (the time, transmitter, overlay and station categories) keeps its
// last confirmed value.
struct CabrilloHeader : HeaderFields {
    std::string fileBaseName;         // the log is written as fileBaseName + ".cbr"
    std::vector<std::string> qsoLines;  // the QSO lines of the latest export, each with its CR LF
};

// Room of the header's settings reads (a buffer of 50 characters); it counts the stored form,
// so every encoded line break takes 8 of it.
inline constexpr std::size_t kHeaderRoom = 49;

// Multi-line texts are kept on one settings line: CR becomes "<CR>", then LF becomes "<LF>".
// Codes in other letter case, or cut short, stay literal text.
std::string EncodeLineBreaks(std::string_view text);
std::string DecodeLineBreaks(std::string_view stored);

// The own call as a file name in the current directory: "/" and "\" become "_", blanks around
// it go, and every character a Windows file name cannot hold (: * ? " < > | and control
// characters) becomes "_" too. "ZELK" when nothing is left.
std::string FileBaseName(std::string_view ownCall);

// Loads the header from the settings file, shows it in the header dialog and, on OK, keeps the
// operator's texts (except the claimed score) and stores them; on any other end it stores
// nothing.
void EditCabrilloHeader(ContestState& state, Platform& platform, std::string_view ownCall);

}  // namespace corvane
