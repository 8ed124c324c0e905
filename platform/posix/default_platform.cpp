// The Linux shell: our own INI store, POSIX files, dialogs that answer without a screen, and no
// multiplier window (there is no host program on Linux whose radio it could follow), so
// unloading has nothing to close.
#include "platform/platform.h"
#include "platform/posix/headless_dialogs.h"
#include "platform/posix/ini_store.h"
#include "platform/posix/posix_files.h"

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
    static IniStore profile;
    static PosixFiles files;
    static NoMultiplierWindow window;
    static HeadlessDialogs dialogs;
    static Platform platform{profile, files, window, dialogs};
    return platform;
}

}  // namespace corvane
