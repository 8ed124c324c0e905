#include "plugin/band_list.h"

#include <algorithm>
#include <utility>

namespace corvane {
namespace {

constexpr std::size_t kKeyWidth = 20;

std::string PaddedKey(const std::string& name) {
    return name.size() >= kKeyWidth ? name : std::string(kKeyWidth - name.size(), '0') + name;
}

// Above this many bands (only ever reached with nonsense band texts) the quadratic exchange sort
// would stall the host; a stable sort gives the same order except among names whose keys are
// equal, which differ only in leading zeros.
constexpr std::size_t kExchangeSortLimit = 256;

}  // namespace

void BandList::clear() {
    names_.clear();
    seen_.clear();
}

void BandList::Add(std::string_view band) {
    if (seen_.emplace(band).second) names_.emplace_back(band);
}

void BandList::SortForReport() {
    std::vector<std::pair<std::string, std::string>> keyed;  // key, name
    keyed.reserve(names_.size());
    for (std::string& name : names_) keyed.emplace_back(PaddedKey(name), std::move(name));

    if (keyed.size() <= kExchangeSortLimit) {
        // Exchange sort: equal keys are never exchanged, which fixes the order of names that
        // differ only in leading zeros.
        for (std::size_t i = 0; i + 1 < keyed.size(); ++i)
            for (std::size_t j = i + 1; j < keyed.size(); ++j)
                if (keyed[i].first < keyed[j].first) std::swap(keyed[i], keyed[j]);
    } else {
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    }
    for (std::size_t i = 0; i < keyed.size(); ++i) names_[i] = std::move(keyed[i].second);
}

}  // namespace corvane
