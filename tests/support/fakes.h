#pragma once
// In-memory stand-ins for the platform, for tests of the core.
#include <map>
#include <string>
#include <utility>

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

    std::map<std::string, std::string> files;
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

// A fresh set of fakes bundled as the core expects them.
struct FakePlatform {
    FakeProfileStore profile;
    MemoryFiles files;
    FakeWindow window;
    Platform platform{profile, files, window};
};

}  // namespace corvane::testing
