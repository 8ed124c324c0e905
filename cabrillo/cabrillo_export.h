#pragma once
// The export step of a result request in a run opened for export.
#include "platform/platform.h"
#include "plugin/contest_state.h"

namespace corvane {

// Writes the Cabrillo log of the stored QSOs and tells the operator which file was produced.
void ExportCabrillo(ContestState& state, Platform& platform);

}  // namespace corvane
