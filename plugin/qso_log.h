#pragma once
// The QSO list: records in order of admission, with indexes so that the dupe check, removal and
// the call check never walk the whole log. The answers are those of a walk in list order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "plugin/qso_record.h"

namespace corvane {

class QsoLog {
public:
    using const_iterator = std::vector<CInfo>::const_iterator;

    void clear();
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const CInfo& operator[](std::size_t index) const { return records_[index]; }
    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }

    void push_back(CInfo record);

    // Removes the earliest record with this call and band (any mode); false when none matches.
    bool RemoveFirst(std::string_view call, std::string_view band);

    // How many stored records have exactly this call, band and mode.
    std::size_t CountSame(std::string_view call, std::string_view band, std::string_view mode) const;

    struct CallHistory {
        bool dupe = false;             // a record with this call, band and mode exists
        const CInfo* last = nullptr;   // the last same-call record before the first such record
    };
    // What a walk in list order that stops at the first dupe finds out about `call`.
    CallHistory History(std::string_view call, std::string_view band, std::string_view mode) const;

    // Whether any record on `band` has exactly this (already folded) prefix.
    bool EntityWorked(std::string_view band, std::string_view prefix) const;

private:
    using Serials = std::vector<std::uint64_t>;  // ascending, i.e. in list order

    const CInfo& BySerial(std::uint64_t serial) const;
    std::size_t PositionOf(std::uint64_t serial) const;

    std::vector<CInfo> records_;
    std::vector<std::uint64_t> serials_;  // serials_[i] is the serial of records_[i]
    std::uint64_t nextSerial_ = 0;

    std::unordered_map<std::string, Serials> byCall_;
    std::unordered_map<std::string, Serials> byCallBand_;
    std::unordered_map<std::string, Serials> byCallBandMode_;
    std::unordered_map<std::string, std::size_t> entityCount_;  // by band and prefix
};

}  // namespace corvane
