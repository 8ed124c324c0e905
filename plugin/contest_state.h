#pragma once
// The plug-in's process-wide state: the QSO list, the band tables shared with the multiplier
// window, the own station's data, the settings in memory and the result buffers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/cabrillo_header.h"
#include "plugin/guarded.h"
#include "plugin/band_list.h"
#include "plugin/qso_log.h"
#include "plugin/region_rule.h"

namespace corvane {

// The contest bands in report order; also the row order of the band tables.
inline constexpr std::array<std::string_view, 6> kContestBands = {"160m", "80m", "40m", "20m", "15m", "10m"};

// Index of a contest band in kContestBands, or -1 for any other text (exact comparison).
int ContestBandIndex(std::string_view band);

using TextList = std::vector<std::string>;
using BandTable = std::array<TextList, kContestBands.size()>;

// What the multiplier window's thread reads as well as the host's thread; reachable only through
// ContestState::shared's lock.
struct SharedLog {
    QsoLog qsoList;  // in order of admission
    BandTable bandRows;          // per band: band name and three cells (mode, time, exchange)
    BandTable bandEntities;      // per band: the distinct entity prefixes of the last result
};

struct ContestState {
    Guarded<SharedLog> shared;

    // The rest is touched by the host's thread only.
    BandList bandList;
    std::string ownCall;
    std::string startDate;  // contest start as "%d.%m"
    std::string endDate;    // contest end as "%d.%m.%Y"
    RegionClass ownRegion = 1;
    std::int32_t exportFlag = 0;

    std::int32_t pointsMyRegion = 0;
    std::int32_t pointsMyRegionPortable = 0;
    std::int32_t pointsOtherRegion = 0;
    std::int32_t pointsOtherRegionPortable = 0;
    std::int32_t multiplierWindowOn = 0;
    std::int32_t modeCw = 0;
    std::int32_t modeSsb = 0;
    std::int32_t startMark = 0;
    std::string contestName;

    const std::string sectionName = "Settings";
    const std::string iniPath = "Plugins\\Corvane.ini";

    std::string resultText;
    std::int64_t lastScore = 0;  // 64 bits: a big log with large points values overflows 32

    CabrilloHeader cabrilloHeader;
};

}  // namespace corvane
