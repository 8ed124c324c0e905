#include "scoring/result_text.h"

#include <algorithm>
#include <limits>

#include "cabrillo/cabrillo_export.h"
#include "multwin/host_automation.h"
#include "plugin/plugin.h"

namespace corvane {
namespace {

// "\t " before each number, as the host's columns expect.
void AppendColumn(std::string& text, std::int64_t value) {
    text += "\t ";
    text += std::to_string(value);
}

std::int32_t ClampToHost(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::string ResultText(const ResultHeader& header, const ScoreReport& report) {
    std::string text = "  Corvane ";
    text += header.cw ? "CW " : "SSB ";
    text.append(header.startDate).append("-").append(header.endDate).append(" \r\n");
    text.append("\tContestant: ").append(header.ownCall).append("\r\n");
    text += "\tQSOs\tPoint\tDXCC\tPortable\r\n";
    for (const BandRow& row : report.rows) {
        text += row.band;
        for (std::int64_t value : {row.qsos, row.points, row.dxcc}) AppendColumn(text, value);
        text += "\r\n";
    }
    text += "Total";
    for (std::int64_t value : {report.qsos, report.points, report.dxcc, report.portable}) AppendColumn(text, value);
    text += "\r\n\r\nScore: ";
    text.append(std::to_string(report.points)).append("*").append(std::to_string(report.dxcc));
    text.append(" = ").append(std::to_string(report.score)).append("\r\n\r\n");
    text += kClosingText;
    return text;
}

const std::string& Plugin::GetResult0(std::int32_t* score) {
    const PointsTable points{state_.pointsMyRegion, state_.pointsMyRegionPortable, state_.pointsOtherRegion,
                             state_.pointsOtherRegionPortable};
    ScoreReport report;
    {
        auto shared = state_.shared.Lock();
        report = ComputeScore(shared->qsoList, state_.bandList, state_.ownRegion, points, shared->bandEntities);
    }
    state_.lastScore = report.score;
    if (score != nullptr) *score = ClampToHost(report.score);
    Settings().WriteIntSetting("Claimed", report.score);
    state_.resultText =
        ResultText({state_.modeCw != 0, state_.startDate, state_.endDate, state_.ownCall}, report);

    if (state_.exportFlag != 0) {
        ExportCabrillo(state_, platform_);
        if (score != nullptr) *score = -1;
    }
    SendModeMacros(state_, platform_);
    return state_.resultText;
}

}  // namespace corvane
