#include "plugin/plugin.h"

namespace corvane {

const char* SetName(std::int32_t setIndex) { return setIndex == 0 ? "Corvane(C)" : ""; }

void Plugin::ExitInstance() { platform_.window.Close(); }

}  // namespace corvane
