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

template <class Map>
void Forget(Map& index, const std::string& key, std::uint64_t serial) {
    const auto found = index.find(key);
    if (found == index.end()) return;
    auto& serials = found->second;
    serials.erase(std::lower_bound(serials.begin(), serials.end(), serial));
    if (serials.empty()) index.erase(found);
}

template <class Map>
const std::vector<std::uint64_t>* Lookup(const Map& index, const std::string& key) {
    const auto found = index.find(key);
    return found == index.end() ? nullptr : &found->second;
}

}  // namespace

bool IsPortableCall(std::string_view call) {
    const std::string_view tail = call.size() < 2 ? call : call.substr(call.size() - 2);
    return tail == "/P" || tail == "/M";
}

void QsoLog::clear() {
    records_.clear();
    serials_.clear();
    byCall_.clear();
    byCallBand_.clear();
    byCallBandMode_.clear();
    entityCount_.clear();
}

void QsoLog::push_back(CInfo record) {
    const std::uint64_t serial = nextSerial_++;
    byCall_[record.call].push_back(serial);
    byCallBand_[Key(record.call, record.band)].push_back(serial);
    byCallBandMode_[Key(record.call, record.band, record.mode)].push_back(serial);
    ++entityCount_[Key(record.band, record.prefix)];
    records_.push_back(std::move(record));
    serials_.push_back(serial);
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view band) {
    const auto* matches = Lookup(byCallBand_, Key(call, band));
    if (matches == nullptr) return false;
    const std::uint64_t serial = matches->front();
    const std::size_t position = PositionOf(serial);
    const CInfo& record = records_[position];

    Forget(byCall_, record.call, serial);
    Forget(byCallBandMode_, Key(record.call, record.band, record.mode), serial);
    Forget(byCallBand_, Key(record.call, record.band), serial);  // `matches` is gone after this
    const auto entity = entityCount_.find(Key(record.band, record.prefix));
    if (--entity->second == 0) entityCount_.erase(entity);

    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(position));
    serials_.erase(serials_.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

std::size_t QsoLog::CountSame(std::string_view call, std::string_view band, std::string_view mode) const {
    const auto* matches = Lookup(byCallBandMode_, Key(call, band, mode));
    return matches == nullptr ? 0 : matches->size();
}

QsoLog::CallHistory QsoLog::History(std::string_view call, std::string_view band, std::string_view mode) const {
    CallHistory history;
    const auto* sameCall = Lookup(byCall_, std::string(call));
    if (sameCall == nullptr) return history;

    // Everything with this call before the first dupe has another band or mode.
    auto stop = sameCall->end();
    if (const auto* dupes = Lookup(byCallBandMode_, Key(call, band, mode))) {
        history.dupe = true;
        stop = std::lower_bound(sameCall->begin(), sameCall->end(), dupes->front());
    }
    if (stop != sameCall->begin()) history.last = &BySerial(*std::prev(stop));
    return history;
}

bool QsoLog::EntityWorked(std::string_view band, std::string_view prefix) const {
    return entityCount_.count(Key(band, prefix)) != 0;
}

std::size_t QsoLog::PositionOf(std::uint64_t serial) const {
    return static_cast<std::size_t>(std::lower_bound(serials_.begin(), serials_.end(), serial) - serials_.begin());
}

const CInfo& QsoLog::BySerial(std::uint64_t serial) const { return records_[PositionOf(serial)]; }

}  // namespace corvane
