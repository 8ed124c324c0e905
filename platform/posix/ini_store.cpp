#include "platform/posix/ini_store.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::string NativePath(std::string_view path) {
    std::string native(path);
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key, value;
};

std::optional<KeyLine> KeyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Where a key stands in the file: its line, or the line after the end of its section.
struct Place {
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> sectionEnd;  // one past the section's last non-blank line
};

Place Find(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (inSection) break;
            inSection = SameName(*name, section);
            if (inSection) place.sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (!Trim(lines[i]).empty()) place.sectionEnd = i + 1;
        if (const auto found = KeyOf(lines[i]); found && SameName(found->key, key)) {
            place.keyLine = i;
            return place;
        }
    }
    return place;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    // Written beside the file and renamed over it, so a failed write never leaves half a file.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string IniStore::Read(std::string_view section, std::string_view key, std::string_view fallback,
                           std::size_t room, std::string_view path) {
    std::string value(fallback);
    {
        std::lock_guard lock(mutex_);
        if (const auto lines = ReadLines(NativePath(path))) {
            if (const Place place = Find(*lines, section, key); place.keyLine)
                value = std::string(KeyOf((*lines)[*place.keyLine])->value);
        }
    }
    if (value.size() > room) value.resize(room);
    return value;
}

bool IniStore::Write(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view path) {
    std::lock_guard lock(mutex_);
    const std::string native = NativePath(path);
    std::vector<std::string> lines = ReadLines(native).value_or(std::vector<std::string>{});
    const std::string keyLine = std::string(Trim(key)) + "=" + std::string(value);

    const Place place = Find(lines, section, key);
    if (place.keyLine) {
        const std::string_view existingKey = KeyOf(lines[*place.keyLine])->key;
        lines[*place.keyLine] = std::string(existingKey) + "=" + std::string(value);
    } else if (place.sectionEnd) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*place.sectionEnd), keyLine);
    } else {
        std::string header(1, '[');
        header.append(section).append(1, ']');
        lines.push_back(std::move(header));
        lines.push_back(keyLine);
    }
    return WriteLines(native, lines);
}

}  // namespace corvane
