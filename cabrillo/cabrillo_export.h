#pragma once
// The Cabrillo 3.0 log: one line per stored QSO under the header the operator confirmed, written
// whole at every result request of a run opened for export.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "plugin/contest_state.h"

namespace corvane {

// The mode column: "CW" for exactly "CW", "PH" for exactly "SSB", "??" for anything else.
std::string_view CabrilloMode(std::string_view mode);

// Appends the QSO's line to header.qsoLines: fixed columns while each value fits its width (a
// longer value pushes the rest to the right), the own call from the header, CR LF at the end.
// A QSO time marked invalid reads "Invalid DateTime".
void AddQsoLine(CabrilloHeader& header, const CInfo& qso, std::string_view modeText);

// The file's bytes: the header lines, the QSO lines and "END-OF-LOG:", each ending in CR LF.
// CATEGORY-OVERLAY is left out when empty; every soapbox line gets a "SOAPBOX: " line of its own.
std::string CabrilloLog(const CabrilloHeader& header, std::string_view contestName, std::int64_t claimedScore,
                        std::string_view hostVersion);

// The host program's version: that of the first program in the current directory whose name
// contains "Nolvex"; major and minor for a version 2, major, minor and the third number for
// any other. Nothing when no such program or no readable version is found.
std::optional<std::string> HostVersionText(FileSystem& files);

// Writes fileBaseName + ".cbr" whole and returns the message for the operator: that the file was
// produced, or that it could not be written.
std::string WriteCabrilloFile(const ContestState& state, FileSystem& files);

// Formats every stored QSO (dupes too), writes the file and shows the outcome in the "Output"
// notice.
void ExportCabrillo(ContestState& state, Platform& platform);

}  // namespace corvane
