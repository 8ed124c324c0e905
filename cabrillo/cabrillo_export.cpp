#include "cabrillo/cabrillo_export.h"

namespace corvane {

// The Cabrillo writer is not part of this build yet: the step writes nothing.
void ExportCabrillo(ContestState&, Platform&) {}

}  // namespace corvane
