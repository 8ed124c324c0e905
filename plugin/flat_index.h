#pragma once
// A hash index from texts to small values, stored flat (open addressing with linear probing), so
// that a lookup in a big log touches one or two cache lines rather than a bucket and a chain of
// nodes, and emptying it for a new scoring run frees nothing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

template <class Value>
class FlatIndex {
public:
    // The value of `key`, or null.
    Value* Find(std::string_view key) { return const_cast<Value*>(std::as_const(*this).Find(key)); }
    const Value* Find(std::string_view key) const {
        if (slots_.empty()) return nullptr;
        const std::uint64_t hash = Hash(key);
        for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
            const Slot& slot = slots_[at];
            if (slot.hash == kEmpty) return nullptr;
            if (slot.hash == hash && slot.key == key) return &slot.value;
        }
    }

    // The value of `key`, made value-initialised when the key is new; true when it is.
    std::pair<Value&, bool> FindOrAdd(std::string_view key) {
        if ((size_ + 1) * 2 > slots_.size()) Grow();
        const std::uint64_t hash = Hash(key);
        std::size_t at = hash & Mask();
        for (; slots_[at].hash != kEmpty; at = (at + 1) & Mask())
            if (slots_[at].hash == hash && slots_[at].key == key) return {slots_[at].value, false};
        slots_[at].hash = hash;
        slots_[at].key.assign(key);
        slots_[at].value = Value{};
        ++size_;
        return {slots_[at].value, true};
    }

    // Removes `key` if present, moving later entries of its probe run back into the gap.
    void Erase(std::string_view key) {
        if (slots_.empty()) return;
        std::size_t gap = Hash(key) & Mask();
        for (;; gap = (gap + 1) & Mask()) {
            if (slots_[gap].hash == kEmpty) return;
            if (slots_[gap].key == key) break;
        }
        for (std::size_t next = (gap + 1) & Mask(); slots_[next].hash != kEmpty; next = (next + 1) & Mask()) {
            const std::size_t home = slots_[next].hash & Mask();
            // An entry may move into the gap only if the gap lies on its way from its home slot.
            if (((next - home) & Mask()) >= ((next - gap) & Mask())) {
                slots_[gap] = std::move(slots_[next]);
                gap = next;
            }
        }
        slots_[gap].hash = kEmpty;
        slots_[gap].key.clear();
        --size_;
    }

    // Empties the index; its room stays for the next run of about the same size.
    void Clear() {
        for (Slot& slot : slots_) {
            slot.hash = kEmpty;
            slot.key.clear();
        }
        size_ = 0;
    }

private:
    static constexpr std::uint64_t kEmpty = 0;

    struct Slot {
        std::uint64_t hash = kEmpty;
        std::string key;
        Value value{};
    };

    static std::uint64_t Hash(std::string_view key) {
        const std::uint64_t hash = std::hash<std::string_view>{}(key);
        return hash == kEmpty ? 1 : hash;
    }
    std::size_t Mask() const { return slots_.size() - 1; }

    void Grow() {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 16 : slots_.size() * 2));
        size_ = 0;
        for (Slot& slot : old) {
            if (slot.hash == kEmpty) continue;
            std::size_t at = slot.hash & Mask();
            while (slots_[at].hash != kEmpty) at = (at + 1) & Mask();
            slots_[at] = std::move(slot);
            ++size_;
        }
    }

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t size_ = 0;
};

}  // namespace corvane
