#include "plugin/qso_log.h"

#include <algorithm>

namespace corvane {
namespace {

// Index keys join texts with a zero byte, which no text from the host can contain.
std::string Key(std::string_view a, std::string_view b) {
    std::string key;
    key.reserve(a.size() + b.size() + 1);
    key.append(a).append(1, '\0').append(b);
    return key;
}

std::string Key(std::string_view a, std::string_view b, std::string_view c) {
    std::string key = Key(a, b);
    key.append(1, '\0').append(c);
    return key;
}

}  // namespace

bool IsPortableCall(std::string_view call) {
    const std::string_view tail = call.size() < 2 ? call : call.substr(call.size() - 2);
    return tail == "/P" || tail == "/M";
}

void QsoLog::clear() {
    records_.clear();
    serials_.clear();
    previousCall_.clear();
    lastOfCall_.Clear();
    byCallBandMode_.Clear();
    entityCount_.Clear();
}

std::size_t QsoLog::push_back(CInfo record) {
    const Serial serial = nextSerial_++;
    const auto [last, first] = lastOfCall_.FindOrAdd(record.call);
    previousCall_.push_back(first ? kNone : last);
    last = serial;

    SameQsos& same = byCallBandMode_.FindOrAdd(Key(record.call, record.band, record.mode)).first;
    const std::size_t earlier = same.count++;
    if (earlier == 0) same.first = serial;
    record.isDupe = earlier > 0 ? 1 : 0;
    ++entityCount_.FindOrAdd(Key(record.band, record.prefix)).first;

    records_.push_back(std::move(record));
    serials_.push_back(serial);
    return earlier;
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band) {
    Serial* const last = lastOfCall_.Find(call);
    if (last == nullptr) return false;

    // Walk this call's records from the latest back; the last match seen is the earliest one.
    // Removal is rare, so no index by call and band is kept for it.
    std::size_t position = records_.size();
    Serial follower = kNone;  // the record after the match in the same-call chain
    for (Serial serial = *last, after = kNone; serial != kNone;) {
        const std::size_t at = PositionOf(serial);
        if (records_[at].band == band) {
            position = at;
            follower = after;
        }
        after = serial;
        serial = previousCall_[at];
    }
    if (position == records_.size()) return false;

    const Serial removed = serials_[position];
    const CInfo& record = records_[position];
    const std::string sameKey = Key(record.call, record.band, record.mode);
    SameQsos& same = *byCallBandMode_.Find(sameKey);
    if (--same.count == 0) {
        byCallBandMode_.Erase(sameKey);
    } else if (same.first == removed) {
        // The next record with this call, band and mode becomes the earliest.
        for (Serial serial = *last; serial != removed;) {
            const std::size_t at = PositionOf(serial);
            if (records_[at].band == record.band && records_[at].mode == record.mode) same.first = serial;
            serial = previousCall_[at];
        }
    }
    const std::string entityKey = Key(record.band, record.prefix);
    if (--*entityCount_.Find(entityKey) == 0) entityCount_.Erase(entityKey);

    if (follower != kNone)
        previousCall_[PositionOf(follower)] = previousCall_[position];
    else if (previousCall_[position] != kNone)
        *last = previousCall_[position];
    else
        lastOfCall_.Erase(call);

    const auto offset = static_cast<std::ptrdiff_t>(position);
    records_.erase(records_.begin() + offset);
    serials_.erase(serials_.begin() + offset);
    previousCall_.erase(previousCall_.begin() + offset);
    return true;
}

QsoLog::CallHistory QsoLog::History(std::string_view call, std::string_view band, std::string_view mode) const {
    CallHistory history;
    const Serial* const last = lastOfCall_.Find(call);
    if (last == nullptr) return history;

    // Everything with this call before the first dupe has another band or mode, so the record
    // remembered is the one just before that dupe in the same-call chain.
    Serial remembered = *last;
    if (const SameQsos* const dupes = byCallBandMode_.Find(Key(call, band, mode))) {
        history.dupe = true;
        remembered = previousCall_[PositionOf(dupes->first)];
    }
    if (remembered != kNone) history.last = &records_[PositionOf(remembered)];
    return history;
}

bool QsoLog::EntityWorked(std::string_view band, std::string_view prefix) const {
    return entityCount_.Find(Key(band, prefix)) != nullptr;
}

std::size_t QsoLog::PositionOf(Serial serial) const {
    return static_cast<std::size_t>(std::lower_bound(serials_.begin(), serials_.end(), serial) - serials_.begin());
}

}  // namespace corvane
