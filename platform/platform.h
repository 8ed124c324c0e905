#pragma once
// Everything the portable core asks of the operating system, bundled for injection: the library
// gets the shell of its platform, tests get fakes.
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/multiplier_window.h"
#include "platform/profile_store.h"

namespace corvane {

struct Platform {
    ProfileStore& profile;
    FileSystem& files;
    MultiplierWindow& window;
    Dialogs& dialogs;
};

// The shell this library was built with (platform/win32 or platform/posix).
Platform& DefaultPlatform();

}  // namespace corvane
