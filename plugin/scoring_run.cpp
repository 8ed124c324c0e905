// ResetStats0: the start of a scoring run.
#include "cabrillo/cabrillo_header.h"
#include "plugin/error_log.h"
#include "plugin/plugin.h"

namespace corvane {

int Plugin::ResetStats0(const RunStart& run) {
    state_.startDate = FormatOleDate(run.startTime, "%d.%m");
    state_.endDate = FormatOleDate(run.endTime, "%d.%m.%Y");
    state_.ownCall = std::string(run.ownCall);
    state_.ownRegion = RegionOf(run.ownPrefix, run.ownContinent, run.ownZone);
    RecreateErrorLog(platform_.files);
    {
        auto shared = state_.shared.Lock();
        shared->qsoList.clear();
        for (std::size_t i = 0; i < kContestBands.size(); ++i)
            shared->bandRows[i] = {std::string(kContestBands[i]), "-", "-", "-"};
    }
    state_.bandList.clear();

    // The dialog runs with no lock held: the window thread keeps painting meanwhile.
    state_.exportFlag = run.exportFlag;
    if (state_.exportFlag != 0) {
        EditCabrilloHeader(state_, platform_, run.ownCall);
        Settings().WriteText("Start", "1");
    }

    LoadScoringSettings();
    if (state_.multiplierWindowOn != 0) ToggleMultiplierWindow();
    return 1;
}

void Plugin::LoadScoringSettings() {
    const SettingsFile settings = Settings();
    state_.pointsMyRegion = settings.ReadNumber("Points_MyRegion");
    state_.pointsMyRegionPortable = settings.ReadNumber("Points_MyRegion_Portable");
    state_.pointsOtherRegion = settings.ReadNumber("Points_OtherRegion");
    state_.pointsOtherRegionPortable = settings.ReadNumber("Points_OtherRegion_Portable");
    state_.multiplierWindowOn = settings.ReadNumber("Multiplier");
    state_.modeCw = settings.ReadNumber("CW");
    state_.modeSsb = settings.ReadNumber("SSB");
    state_.contestName = settings.ReadText("Name_Test");
}

// `Start` alternates from run to run, so that of two runs in a row only the first may open the
// window; a run opened for export has already set it to 1 and so never opens the window.
void Plugin::ToggleMultiplierWindow() {
    const SettingsFile settings = Settings();
    state_.startMark = settings.ReadNumber("Start");
    if (state_.startMark != 0) {
        settings.WriteText("Start", "0");
    } else if (!platform_.window.IsOpen()) {
        platform_.window.Open();
        settings.WriteText("Start", "1");
    }
}

}  // namespace corvane
