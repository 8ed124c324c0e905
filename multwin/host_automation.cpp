#include "multwin/host_automation.h"

namespace corvane {

// The host link is not part of this build yet: the host is never reached, nothing is sent.
void SendModeMacros(ContestState&, Platform&) {}

}  // namespace corvane
