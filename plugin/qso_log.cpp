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
    lastOfCall_.clear();
    byCallBandMode_.clear();
    entityCount_.clear();
}

std::size_t QsoLog::push_back(CInfo record) {
    const Serial serial = nextSerial_++;
    const auto [last, first] = lastOfCall_.try_emplace(record.call, serial);
    previousCall_.push_back(first ? kNone : last->second);
    last->second = serial;

    SameQsos& same = byCallBandMode_[Key(record.call, record.band, record.mode)];
    const std::size_t earlier = same.count++;
    if (earlier == 0) same.first = serial;
    record.isDupe = earlier > 0 ? 1 : 0;
    ++entityCount_[Key(record.band, record.prefix)];

    records_.push_back(std::move(record));
    serials_.push_back(serial);
    return earlier;
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band) {
    const auto last = lastOfCall_.find(call);
    if (last == lastOfCall_.end()) return false;

    // Walk this call's records from the latest back; the last match seen is the earliest one.
    // Removal is rare, so no index by call and band is kept for it.
    std::size_t position = records_.size();
    Serial follower = kNone;  // the record after the match in the same-call chain
    for (Serial serial = last->second, after = kNone; serial != kNone;) {
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
    const auto same = byCallBandMode_.find(Key(record.call, record.band, record.mode));
    if (--same->second.count == 0) {
        byCallBandMode_.erase(same);
    } else if (same->second.first == removed) {
        // The next record with this call, band and mode becomes the earliest.
        for (Serial serial = last->second; serial != removed;) {
            const std::size_t at = PositionOf(serial);
            if (records_[at].band == record.band && records_[at].mode == record.mode) same->second.first = serial;
            serial = previousCall_[at];
        }
    }
    const auto entity = entityCount_.find(Key(record.band, record.prefix));
    if (--entity->second == 0) entityCount_.erase(entity);

    if (follower != kNone)
        previousCall_[PositionOf(follower)] = previousCall_[position];
    else if (previousCall_[position] != kNone)
        last->second = previousCall_[position];
    else
        lastOfCall_.erase(last);

    const auto offset = static_cast<std::ptrdiff_t>(position);
    records_.erase(records_.begin() + offset);
    serials_.erase(serials_.begin() + offset);
    previousCall_.erase(previousCall_.begin() + offset);
    return true;
}

QsoLog::CallHistory QsoLog::History(std::string_view call, std::string_view band, std::string_view mode) const {
    CallHistory history;
    const auto last = lastOfCall_.find(call);
    if (last == lastOfCall_.end()) return history;

    // Everything with this call before the first dupe has another band or mode, so the record
    // remembered is the one just before that dupe in the same-call chain.
    Serial remembered = last->second;
    if (const auto dupes = byCallBandMode_.find(Key(call, band, mode)); dupes != byCallBandMode_.end()) {
        history.dupe = true;
        remembered = previousCall_[PositionOf(dupes->second.first)];
    }
    if (remembered != kNone) history.last = &records_[PositionOf(remembered)];
    return history;
}

bool QsoLog::EntityWorked(std::string_view band, std::string_view prefix) const {
    return entityCount_.find(Key(band, prefix)) != entityCount_.end();
}

std::size_t QsoLog::PositionOf(Serial serial) const {
    return static_cast<std::size_t>(std::lower_bound(serials_.begin(), serials_.end(), serial) - serials_.begin());
}

}  // namespace corvane
