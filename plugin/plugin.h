#pragma once
// The plug-in's entry points as the portable core sees them: arguments already converted from
// the host's pointers, the process-wide state held here.
#include <cstdint>
#include <string_view>

#include "platform/platform.h"
#include "plugin/contest_state.h"
#include "scoring/settings.h"

namespace corvane {

// What ResetStats0 uses of its 23 arguments.
struct RunStart {
    std::int32_t exportFlag = 0;
    std::string_view ownCall;
    OleDateTime startTime = OleDateTime::Invalid();
    OleDateTime endTime = OleDateTime::Invalid();
    std::string_view ownPrefix;
    std::int32_t ownZone = 0;
    std::string_view ownContinent;
};

inline constexpr std::int32_t kNumberOfSets = 1;  // one scoring set, one exchange field

// "Corvane(C)" for set 0, the empty text for any other; static, valid while loaded.
const char* SetName(std::int32_t setIndex);

class Plugin {
public:
    explicit Plugin(Platform& platform) : platform_(platform) {}
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // Opens a scoring run; always 1.
    int ResetStats0(const RunStart& run);

    // Runs when the host unloads the library.
    void ExitInstance();

    ContestState& State() { return state_; }
    SettingsFile Settings() { return SettingsFile(platform_.profile, state_.sectionName, state_.iniPath); }

private:
    void LoadScoringSettings();
    void ToggleMultiplierWindow();

    Platform& platform_;
    ContestState state_;
};

}  // namespace corvane
