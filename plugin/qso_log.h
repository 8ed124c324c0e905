#pragma once
// The QSO list: records in order of admission, with indexes so that the dupe check, removal and
// the call check never walk the whole log. The answers are those of a walk in list order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/flat_index.h"
#include "plugin/qso_record.h"

namespace corvane {

class QsoLog {
public:
    using const_iterator = std::vector<CInfo>::const_iterator;

    void clear();
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }

    // Appends the record, marked as a dupe when earlier records have its call, band and mode;
    // returns how many do.
    std::size_t push_back(CInfo record);

    // Removes the earliest record with this call and band (any mode); false when none matches.
    bool RemoveFirst(std::string_view call, std::string_view band);

    struct CallHistory {
        bool dupe = false;            // a record with this call, band and mode exists
        const CInfo* last = nullptr;  // the last same-call record before the first such record
    };
    // What a walk in list order that stops at the first dupe finds out about `call`.
    CallHistory History(std::string_view call, std::string_view band, std::string_view mode) const;

    // Whether any record on `band` has exactly this (already folded) prefix.
    bool EntityWorked(std::string_view band, std::string_view prefix) const;

private:
    // Records are named by a serial that never changes, while their positions shift on removal.
    using Serial = std::uint64_t;
    static constexpr Serial kNone = ~Serial{0};

    std::size_t PositionOf(Serial serial) const;

    // Records with the same call, band and mode: how many, and the earliest of them.
    struct SameQsos {
        std::size_t count = 0;
        Serial first = 0;
    };

    std::vector<CInfo> records_;
    std::vector<Serial> serials_;        // ascending; serials_[i] names records_[i]
    std::vector<Serial> previousCall_;   // per record: the record before it with the same call, or kNone
    Serial nextSerial_ = 0;

    FlatIndex<Serial> lastOfCall_;          // the latest record of each call; previousCall_ chains back
    FlatIndex<SameQsos> byCallBandMode_;
    FlatIndex<std::size_t> entityCount_;    // by band and prefix
};

}  // namespace corvane
