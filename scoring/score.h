#pragma once
// The contest score, recomputed from the QSO list at every result request: per band the QSOs,
// points and distinct entities; for the log the totals and the distinct portable stations.
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/contest_state.h"

namespace corvane {

struct PointsTable {
    std::int32_t myRegion = 0;
    std::int32_t myRegionPortable = 0;
    std::int32_t otherRegion = 0;
    std::int32_t otherRegionPortable = 0;
};

struct BandRow {
    std::string band;
    std::int64_t qsos = 0;
    std::int64_t points = 0;
    std::int64_t dxcc = 0;
};

struct ScoreReport {
    std::vector<BandRow> rows;  // one per band of the band list, in report order
    std::int64_t qsos = 0;
    std::int64_t points = 0;
    std::int64_t dxcc = 0;
    std::int64_t portable = 0;
    std::int64_t score = 0;  // points times dxcc, held at the 64-bit limits
};

// Sorts `bands` into report order and scores every band of it. A QSO counts when its call is
// not empty and it is no dupe; it earns the points of its class (own or other region, fixed or
// portable). Each contest band that gets a row has its list in `bandEntities` refilled with its
// entities in first-counted order; other band texts get a row but no list.
ScoreReport ComputeScore(const QsoLog& log, BandList& bands, RegionClass ownRegion, const PointsTable& points,
                         BandTable& bandEntities);

}  // namespace corvane
