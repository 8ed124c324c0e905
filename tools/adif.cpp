#include "tools/adif.h"

#include <algorithm>

#include "tools/text.h"

namespace corvane::host {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Long enough for any log, short enough that the sum with an offset cannot overflow.
constexpr std::size_t kMaxLengthDigits = 9;

}  // namespace

std::string_view AdifRecord::Value(std::string_view name) const {
    for (const AdifField& field : fields)
        if (field.name == name) return field.value;
    return {};
}

AdifLog ParseAdif(std::string_view bytes) {
    AdifLog log;
    AdifRecord record;
    const auto fail = [&](std::size_t offset, std::string message) {
        log.error = AdifError{log.records.size() + 1, offset, std::move(message)};
        log.records.clear();
        return log;
    };

    std::size_t pos = 0;
    while ((pos = bytes.find('<', pos)) != std::string_view::npos) {
        const std::size_t tagStart = pos;
        const std::size_t close = bytes.find_first_of("<>", tagStart + 1);
        if (close == std::string_view::npos || bytes[close] != '>') {
            const std::size_t end = std::min({close, bytes.find_first_of("\r\n", tagStart), tagStart + 20});
            return fail(tagStart,
                        "tag '" + std::string(bytes.substr(tagStart, end - tagStart)) + "' is not closed by '>'");
        }
        const std::string_view tag = bytes.substr(tagStart + 1, close - tagStart - 1);
        pos = close + 1;

        const std::size_t colon = tag.find(':');
        const std::string name = Upper(tag.substr(0, colon));
        if (colon == std::string_view::npos) {
            if (name == "EOH") {
                record = AdifRecord{};  // the fields so far were the header's
            } else if (name == "EOR") {
                if (!record.fields.empty()) log.records.push_back(std::move(record));
                record = AdifRecord{};
            } else {
                return fail(tagStart, "tag <" + std::string(tag) + "> has no length");
            }
            continue;
        }
        if (name.empty()) return fail(tagStart, "tag <" + std::string(tag) + "> has no field name");

        std::string_view length = tag.substr(colon + 1);
        length = length.substr(0, length.find(':'));  // drop the data type
        if (!AllDigits(length))
            return fail(tagStart, "field " + name + " has the length '" + std::string(length) + "', not a number");
        const std::size_t left = bytes.size() - pos;
        if (length.size() > kMaxLengthDigits || std::stoul(std::string(length)) > left)
            return fail(tagStart, "field " + name + " has the length " + std::string(length) + " but only " +
                                      std::to_string(left) + " bytes follow");
        const std::size_t size = std::stoul(std::string(length));

        if (record.fields.empty()) record.offset = tagStart;
        record.fields.push_back({name, std::string(bytes.substr(pos, size))});
        pos += size;
    }
    if (!record.fields.empty())
        return fail(record.offset, "the file ends inside a record (no <EOR> after its last field)");
    return log;
}

}  // namespace corvane::host
