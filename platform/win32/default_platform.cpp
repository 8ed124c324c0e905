// The Windows shell: the system's private-profile calls, files and dialogs. The multiplier
// window is not part of this build yet, so it is never open.
#include "platform/platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_profile_store.h"

namespace corvane {
namespace {

class NoMultiplierWindow final : public MultiplierWindow {
public:
    bool IsOpen() const override { return false; }
    void Open() override {}
    void Close() override {}
};

}  // namespace

Platform& DefaultPlatform() {
    static Win32ProfileStore profile;
    static Win32Files files;
    static NoMultiplierWindow window;
    static Win32Dialogs dialogs;
    static Platform platform{profile, files, window, dialogs};
    return platform;
}

}  // namespace corvane
