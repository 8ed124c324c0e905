#pragma once
// The plug-in's entry points as the portable core sees them: arguments already converted from
// the host's pointers, the process-wide state held here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "plugin/contest_state.h"
#include "plugin/entry_args.h"
#include "scoring/settings.h"

namespace corvane {

// CheckCall0's answers.
enum CallCheckCode : int { kDupe = 0, kEntityWorked = 1, kNewEntity = 2, kOtherBand = 4 };

struct CallCheckResult {
    int code = kNewEntity;
    std::optional<std::string> lastExchange;  // nothing when the band guard answered
};

// Room of the host's exchange buffer, without its terminating zero.
inline constexpr std::size_t kExchangeBufferRoom = 9;

// Copies at most kExchangeBufferRoom characters and the terminating zero into the host's buffer.
void CopyToExchangeBuffer(std::string_view exchange, char* buffer);

// A received exchange is 3 or 4 ASCII digits, but not "599" (a signal report typed in its place).
bool IsValidExchange(std::string_view exchange);

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

    // 1 when the QSO was stored (dupes too), 0 when it was rejected; writes err.txt lines.
    int AddData0(const QsoArgs& qso);
    // Removes the first QSO with the same call and band; always 1.
    int RemoveData0(const QsoArgs& qso);
    CallCheckResult CheckCall0(const CallCheckArgs& args) const;
    // Recomputes the score and the result text; `score` receives the score (or -1 after an
    // export), clamped to what the host's 32-bit integer holds.
    const std::string& GetResult0(std::int32_t* score);

    // Runs when the host unloads the library.
    void ExitInstance();

    ContestState& State() { return state_; }
    SettingsFile Settings() { return SettingsFile(platform_.profile, state_.sectionName, state_.iniPath); }

private:
    // The mode a QSO must have: exactly "CW" in a CW run, exactly "SSB" otherwise.
    std::string_view ContestMode() const { return state_.modeCw != 0 ? "CW" : "SSB"; }
    void LoadScoringSettings();
    void ToggleMultiplierWindow();

    Platform& platform_;
    ContestState state_;
};

}  // namespace corvane
