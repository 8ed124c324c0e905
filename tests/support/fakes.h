#pragma once
// In-memory stand-ins for the platform, for tests of the core.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace corvane::testing {

// A settings file as a map; names match without regard to case, like the real store.
class FakeProfileStore final : public ProfileStore {
public:
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback, std::size_t room,
                     std::string_view) override {
        const auto found = values.find(Name(section, key));
        std::string value = found != values.end() ? found->second : std::string(fallback);
        if (value.size() > room) value.resize(room);
        return value;
    }
    bool Write(std::string_view section, std::string_view key, std::string_view value, std::string_view) override {
        if (failWrites) return false;
        values[Name(section, key)] = std::string(value);
        writes.emplace_back(std::string(key), std::string(value));
        return true;
    }

    void Set(std::string_view key, std::string_view value) { values[Name("Settings", key)] = std::string(value); }
    bool Has(std::string_view key) const { return values.count(Name("Settings", key)) != 0; }
    std::string Get(std::string_view key) const {
        const auto found = values.find(Name("Settings", key));
        return found != values.end() ? found->second : std::string();
    }

    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;  // key, value in the order written
    bool failWrites = false;

private:
    static std::string Name(std::string_view section, std::string_view key) {
        std::string name = std::string(section) + "/" + std::string(key);
        for (char& c : name)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return name;
    }
};

class MemoryFiles final : public FileSystem {
public:
    bool WriteWhole(std::string_view path, std::string_view bytes) override {
        if (failWrites) return false;
        files[std::string(path)] = std::string(bytes);
        return true;
    }
    bool Append(std::string_view path, std::string_view bytes) override {
        if (failWrites) return false;
        files[std::string(path)] += std::string(bytes);
        ++appends;
        return true;
    }
    bool Exists(std::string_view path) override { return files.count(std::string(path)) != 0; }
    std::vector<std::string> ListPrograms() override { return programs; }
    std::optional<FileVersion> ReadFileVersion(std::string_view path) override {
        const auto found = versions.find(std::string(path));
        return found != versions.end() ? std::optional<FileVersion>(found->second) : std::nullopt;
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> programs;            // in listing order
    std::map<std::string, FileVersion> versions;  // programs with a readable version
    int appends = 0;
    bool failWrites = false;
};

class FakeWindow final : public MultiplierWindow {
public:
    bool IsOpen() const override { return open; }
    void Open() override {
        open = true;
        ++opens;
    }
    void Close() override { open = false; }

    bool open = false;
    int opens = 0;
};

// An operator who answers the header dialog with `answer` (OK as shown when unset); `cancel`
// cancels it instead. Records what each dialog and notice showed.
class FakeDialogs final : public Dialogs {
public:
    std::optional<HeaderFields> RunHeaderDialog(const HeaderFields& shown) override {
        headersShown.push_back(shown);
        if (cancel) return std::nullopt;
        return answer ? answer(shown) : ConfirmedUnchanged(shown);
    }
    void ShowInformation(std::string_view caption, std::string_view text) override {
        notices.emplace_back(std::string(caption), std::string(text));
    }

    bool cancel = false;
    std::function<HeaderFields(const HeaderFields&)> answer;
    std::vector<HeaderFields> headersShown;
    std::vector<std::pair<std::string, std::string>> notices;  // caption, text
};

// A fresh set of fakes bundled as the core expects them.
struct FakePlatform {
    FakeProfileStore profile;
    MemoryFiles files;
    FakeWindow window;
    FakeDialogs dialogs;
    Platform platform{profile, files, window, dialogs};
};

}  // namespace corvane::testing
