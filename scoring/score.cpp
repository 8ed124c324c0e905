#include "scoring/score.h"

#include <limits>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace corvane {
namespace {

struct BandTally {
    std::int64_t qsos = 0;
    std::int64_t ownFixed = 0, ownPortable = 0, otherFixed = 0, otherPortable = 0;
    std::vector<std::string_view> entities;  // first-counted order
    std::unordered_set<std::string_view> seen;
};

std::int64_t SaturatingProduct(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    return (a < 0) != (b < 0) ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

}  // namespace

ScoreReport ComputeScore(const QsoLog& log, BandList& bands, RegionClass ownRegion, const PointsTable& points,
                         BandTable& bandEntities) {
    bands.SortForReport();
    const std::vector<std::string>& names = bands.names();
    std::vector<BandTally> tallies(names.size());
    std::unordered_map<std::string_view, std::size_t> rowOf;
    for (std::size_t i = 0; i < names.size(); ++i) rowOf.emplace(names[i], i);

    // One pass in list order, so each band's entities come out in first-counted order.
    std::unordered_set<std::string_view> portables;
    ScoreReport report;
    for (const CInfo& qso : log) {
        if (qso.call.empty() || qso.isDupe != 0) continue;
        const auto row = rowOf.find(qso.band);
        if (row == rowOf.end()) continue;  // every stored band is listed; kept safe all the same
        BandTally& tally = tallies[row->second];
        ++tally.qsos;
        const bool own = qso.region == ownRegion;
        const bool portable = IsPortableCall(qso.call);
        ++(own ? (portable ? tally.ownPortable : tally.ownFixed) : (portable ? tally.otherPortable : tally.otherFixed));
        if (tally.seen.insert(qso.prefix).second) tally.entities.push_back(qso.prefix);
        if (!qso.portableCall.empty() && portables.insert(qso.portableCall).second) ++report.portable;
    }

    for (std::size_t i = 0; i < names.size(); ++i) {
        const BandTally& tally = tallies[i];
        BandRow row{names[i], tally.qsos,
                    tally.ownFixed * points.myRegion + tally.ownPortable * points.myRegionPortable +
                        tally.otherFixed * points.otherRegion + tally.otherPortable * points.otherRegionPortable,
                    static_cast<std::int64_t>(tally.entities.size())};
        if (const int index = ContestBandIndex(names[i]); index >= 0)
            bandEntities[static_cast<std::size_t>(index)].assign(tally.entities.begin(), tally.entities.end());
        report.qsos += row.qsos;
        report.points += row.points;
        report.dxcc += row.dxcc;
        report.rows.push_back(std::move(row));
    }
    report.score = SaturatingProduct(report.points, report.dxcc);
    return report;
}

}  // namespace corvane
