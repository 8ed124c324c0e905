#include "plugin/contest_state.h"

namespace corvane {

int ContestBandIndex(std::string_view band) {
    for (std::size_t i = 0; i < kContestBands.size(); ++i)
        if (kContestBands[i] == band) return static_cast<int>(i);
    return -1;
}

}  // namespace corvane
