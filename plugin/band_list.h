#pragma once
// The bands of the admitted QSOs: first-seen order, until the score computation sorts them into
// report order.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace corvane {

class BandList {
public:
    void clear();
    // Appends the band unless an entry equals it exactly.
    void Add(std::string_view band);
    // Descending order of the name left-padded with "0" to 20 characters, so the contest bands
    // come out as 160m, 80m, 40m, 20m, 15m, 10m.
    void SortForReport();

    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> seen_;
};

}  // namespace corvane
