#pragma once
// The link to the host program's automation object.
#include "platform/platform.h"
#include "plugin/contest_state.h"

namespace corvane {

// Tells the host, once per load of the library, which mode the contest is run in.
void SendModeMacros(ContestState& state, Platform& platform);

}  // namespace corvane
