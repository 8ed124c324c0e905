#pragma once
// The Cabrillo header step of a scoring run opened for export.
#include <string_view>

#include "plugin/contest_state.h"
#include "platform/platform.h"

namespace corvane {

// Loads the header from the settings file, lets the operator edit it and stores it on OK.
void EditCabrilloHeader(ContestState& state, Platform& platform, std::string_view ownCall);

}  // namespace corvane
