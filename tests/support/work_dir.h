#pragma once
// A fresh, empty folder that is the current directory while the object lives, because the
// plug-in names all its files relative to the host's current directory.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace corvane::testing {

class WorkDir {
public:
    WorkDir() : previous_(std::filesystem::current_path()) {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("corvane-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~WorkDir() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace corvane::testing
