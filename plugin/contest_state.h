#pragma once
// The plug-in's process-wide state: the QSO list, the band tables shared with the multiplier
// window, the own station's data, the settings in memory and the result buffers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/guarded.h"
#include "plugin/ole_date.h"
#include "plugin/region_rule.h"

namespace corvane {

// The contest bands in report order; also the row order of the band tables.
inline constexpr std::array<std::string_view, 6> kContestBands = {"160m", "80m", "40m", "20m", "15m", "10m"};

// Index of a contest band in kContestBands, or -1 for any other text (exact comparison).
int ContestBandIndex(std::string_view band);

// One admitted QSO. Texts are compared byte for byte everywhere: case counts, no trimming.
struct CInfo {
    std::string call;
    std::string prefix;  // "IT9", "IG9" and "IH9" are stored as "I"
    std::string continent;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived;
    std::string exchangeSent;
    std::string portableCall;  // the call again when it ends in "/P" or "/M", otherwise empty
    std::int32_t frequencyKhz = 0;
    RegionClass region = 0;
    std::int32_t isDupe = 0;
    OleDateTime time{};
};

using TextList = std::vector<std::string>;
using BandList = std::vector<std::string>;  // band names, first-seen order until sorted for a report
using BandTable = std::array<TextList, kContestBands.size()>;

// What the multiplier window's thread reads as well as the host's thread; reachable only through
// ContestState::shared's lock.
struct SharedLog {
    std::vector<CInfo> qsoList;  // in order of admission
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
    std::int64_t lastScore = 0;
};

}  // namespace corvane
