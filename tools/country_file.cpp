#include "tools/country_file.h"

#include <algorithm>
#include <charconv>

#include "tools/text.h"

namespace corvane::host {
namespace {

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Suffixes that say how a station operates, not where.
bool IsOperatingSuffix(std::string_view part) {
    return part == "P" || part == "M" || part == "A" || part == "QRP" || part == "QRPP" || part == "LH";
}

// The part of a call that tells where the station is; empty for maritime and aeronautical
// mobiles, which belong to no entity.
std::string LocationPart(std::string_view call) {
    std::vector<std::string_view> parts;
    for (std::string_view part : Split(call, '/'))
        if (!part.empty()) parts.push_back(part);
    if (parts.empty()) return {};
    if (std::find_if(parts.begin() + 1, parts.end(), [](std::string_view p) { return p == "MM" || p == "AM"; }) !=
        parts.end())
        return {};
    while (parts.size() > 1 && IsOperatingSuffix(parts.back())) parts.pop_back();
    if (parts.size() == 1) return std::string(parts[0]);

    if (parts.size() == 2 && parts[1].size() == 1 && parts[1][0] >= '0' && parts[1][0] <= '9') {
        std::string moved(parts[0]);
        const std::size_t digit = moved.find_last_of("0123456789");
        if (digit != std::string::npos) moved[digit] = parts[1][0];
        return moved;
    }
    // "EA8/DL1ABC", "DL1ABC/EA8": the prefix is the shorter part.
    return std::string(*std::min_element(parts.begin(), parts.end(),
                                         [](std::string_view a, std::string_view b) { return a.size() < b.size(); }));
}

std::size_t LineAt(std::string_view text, std::size_t offset) {
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n')) + 1;
}

}  // namespace

std::optional<CountryFile> CountryFile::Parse(std::string_view ctyDat, std::string_view ctyCsv, std::string& error) {
    CountryFile file;
    for (const std::string_view chunk : Split(ctyDat, ';')) {
        if (Trim(chunk).empty()) continue;
        const std::size_t line = LineAt(ctyDat, static_cast<std::size_t>(Trim(chunk).data() - ctyDat.data()));
        const auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(line) + ": " + why;
            return std::nullopt;
        };

        const std::vector<std::string_view> fields = Split(chunk, ':');
        if (fields.size() < 9) return fail("an entity needs eight fields separated by ':' before its prefixes");
        Entity entity;
        entity.name = Trim(fields[0]);
        const std::optional<int> cq = Number(Trim(fields[1]));
        const std::optional<int> itu = Number(Trim(fields[2]));
        if (!cq || !itu) return fail("the zones of " + entity.name + " are not numbers");
        entity.cqZone = *cq;
        entity.ituZone = *itu;
        entity.continent = Trim(fields[3]);
        std::string_view prefix = Trim(fields[7]);
        entity.waeOnly = !prefix.empty() && prefix.front() == '*';
        if (entity.waeOnly) prefix.remove_prefix(1);
        if (prefix.empty()) return fail(entity.name + " has no primary prefix");
        entity.prefix = entity.dxccPrefix = prefix;
        const std::size_t index = file.entities_.size();

        // Everything after the eighth ':' is the list of prefixes and exact calls.
        std::size_t listStart = 0;
        for (int i = 0; i < 8; ++i) listStart = chunk.find(':', listStart) + 1;
        for (std::string_view token : Split(chunk.substr(listStart), ',')) {
            token = Trim(token);
            if (token.empty()) continue;
            const bool exact = token.front() == '=';
            if (exact) token.remove_prefix(1);
            const std::size_t bodyEnd = std::min(token.find_first_of("([<{~"), token.size());
            Alias alias{index, {}, 0, 0};
            for (std::size_t at = bodyEnd; at < token.size();) {
                const char open = token[at];
                const char close = open == '(' ? ')' : open == '[' ? ']' : open == '<' ? '>' : open == '{' ? '}' : '~';
                const std::size_t closeAt = token.find(close, at + 1);
                if (closeAt == std::string_view::npos)
                    return fail("'" + std::string(token) + "' has an override without its closing '" + close + "'");
                const std::string_view value = token.substr(at + 1, closeAt - at - 1);
                if (open == '(' || open == '[') {
                    const std::optional<int> zone = Number(value);
                    if (!zone) return fail("'" + std::string(token) + "' has a zone that is not a number");
                    (open == '(' ? alias.cqZone : alias.ituZone) = *zone;
                } else if (open == '{') {
                    alias.continent = value;
                }
                at = closeAt + 1;
            }
            const std::string body = Upper(Trim(token.substr(0, bodyEnd)));
            if (body.empty()) continue;
            if (exact) {
                file.exactCalls_.emplace(body, alias);
            } else {
                file.prefixes_.emplace(body, alias);
                file.longestPrefix_ = std::max(file.longestPrefix_, body.size());
            }
        }
        file.entities_.push_back(std::move(entity));
    }
    if (file.entities_.empty()) {
        error = "no entities in it";
        return std::nullopt;
    }

    // CSV lines "PREFIX,Name,DXCC number,...": a WAE-only entity ("*IT9") shares its number with
    // the DXCC entity ("I") it is part of.
    std::unordered_map<std::string, std::string> numberOfPrefix, dxccPrefixOfNumber;
    for (std::string_view line : Split(ctyCsv, '\n')) {
        const std::vector<std::string_view> columns = Split(Trim(line), ',');
        if (columns.size() < 3 || columns[0].empty()) continue;
        const std::string number(Trim(columns[2]));
        numberOfPrefix.emplace(columns[0], number);
        if (columns[0].front() != '*') dxccPrefixOfNumber.emplace(number, columns[0]);
    }
    for (Entity& entity : file.entities_) {
        if (!entity.waeOnly) continue;
        const auto number = numberOfPrefix.find("*" + entity.prefix);
        if (number == numberOfPrefix.end()) continue;
        const auto dxcc = dxccPrefixOfNumber.find(number->second);
        if (dxcc != dxccPrefixOfNumber.end()) entity.dxccPrefix = dxcc->second;
    }
    return file;
}

CountryMatch CountryFile::Match(const Alias& alias) const {
    const Entity& entity = entities_[alias.entity];
    CountryMatch match;
    match.entity = entity.name;
    match.prefix = entity.prefix;
    match.waeOnly = entity.waeOnly;
    match.dxccPrefix = entity.dxccPrefix;
    match.continent = alias.continent.empty() ? entity.continent : alias.continent;
    match.cqZone = alias.cqZone != 0 ? alias.cqZone : entity.cqZone;
    match.ituZone = alias.ituZone != 0 ? alias.ituZone : entity.ituZone;
    return match;
}

std::optional<CountryMatch> CountryFile::Find(std::string_view call) const {
    const std::string upper = Upper(Trim(call));
    if (upper.empty()) return std::nullopt;
    if (const auto exact = exactCalls_.find(upper); exact != exactCalls_.end()) return Match(exact->second);
    const std::string location = LocationPart(upper);
    if (location.empty()) return std::nullopt;
    if (const auto exact = exactCalls_.find(location); exact != exactCalls_.end()) return Match(exact->second);
    for (std::size_t length = std::min(location.size(), longestPrefix_); length > 0; --length)
        if (const auto found = prefixes_.find(location.substr(0, length)); found != prefixes_.end())
            return Match(found->second);
    return std::nullopt;
}

}  // namespace corvane::host
