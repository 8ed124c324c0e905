#pragma once
// The country file every contest logger reads (cty.dat): which entity a call sign belongs to,
// with its continent and zones. Entity lines carry eight colon-separated fields (name, CQ zone,
// ITU zone, continent, latitude, longitude, UTC offset, primary prefix, "*" in front for an
// entity that counts only for WAE); the prefixes and exact calls ("=CALL") that follow, up to a
// ";", may override the CQ zone "(n)", the ITU zone "[n]" and the continent "{XX}".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane::host {

struct CountryMatch {
    std::string entity;      // "Sicily"
    std::string prefix;      // the entity's primary prefix, without the WAE mark: "IT9"
    bool waeOnly = false;    // the entity counts only for WAE
    std::string dxccPrefix;  // primary prefix of the DXCC entity it belongs to: "I" (see Parse)
    std::string continent;   // "EU", after overrides
    int cqZone = 0;          // after overrides
    int ituZone = 0;         // after overrides
};

class CountryFile {
public:
    // `ctyDat` is the country file; `ctyCsv` the same data as CSV, whose third column gives each
    // entity's DXCC number, so that a WAE-only entity can name its DXCC entity. Without it
    // `dxccPrefix` is the entity's own prefix. Nothing, with `error` saying where, when
    // `ctyDat` is malformed.
    static std::optional<CountryFile> Parse(std::string_view ctyDat, std::string_view ctyCsv, std::string& error);

    // An exact-call entry first (case ignored, the whole call), then the longest prefix of the
    // call's location part: the call itself, or without "/P", "/M", "/QRP" and the like, or with
    // its call-area digit replaced by a "/digit" suffix ("UA1ABC/9" is located as UA9ABC), or the
    // shorter part of "PREFIX/CALL" and "CALL/PREFIX". Maritime and aeronautical mobiles ("/MM",
    // "/AM") and calls that no prefix covers give nothing.
    std::optional<CountryMatch> Find(std::string_view call) const;

    std::size_t EntityCount() const { return entities_.size(); }

private:
    struct Entity {
        std::string name, prefix, dxccPrefix, continent;
        bool waeOnly = false;
        int cqZone = 0, ituZone = 0;
    };
    // A prefix or an exact call with the overrides it carries (0 or empty: the entity's own).
    struct Alias {
        std::size_t entity = 0;
        std::string continent;
        int cqZone = 0, ituZone = 0;
    };

    CountryMatch Match(const Alias& alias) const;

    std::vector<Entity> entities_;
    std::unordered_map<std::string, Alias> exactCalls_;
    std::unordered_map<std::string, Alias> prefixes_;
    std::size_t longestPrefix_ = 0;
};

}  // namespace corvane::host
