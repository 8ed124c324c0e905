#pragma once

namespace corvane {

// The application object's exit, run by the platform shell when the host unloads the library.
void ExitInstance();

}  // namespace corvane
