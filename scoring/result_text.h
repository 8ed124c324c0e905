#pragma once
// The result text the host shows: header, one line per band, totals, score and a closing line.
// Lines end in CR LF, columns are TAB separated; the text itself ends without a line break.
#include <string>
#include <string_view>

#include "scoring/score.h"

namespace corvane {

inline constexpr std::string_view kClosingText = "Rejected QSOs and dupes are listed in err.txt.";

struct ResultHeader {
    bool cw = false;  // the CW heading, otherwise the SSB one
    std::string_view startDate;
    std::string_view endDate;
    std::string_view ownCall;
};

std::string ResultText(const ResultHeader& header, const ScoreReport& report);

}  // namespace corvane
