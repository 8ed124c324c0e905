#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace corvane {
namespace {

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool WriteFile(std::string_view path, std::string_view bytes, int flags) {
    const Descriptor file(::open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0644));
    return file.get() >= 0 && WriteAll(file.get(), bytes);
}

}  // namespace

bool PosixFiles::WriteWhole(std::string_view path, std::string_view bytes) {
    return WriteFile(path, bytes, O_TRUNC);
}

bool PosixFiles::Append(std::string_view path, std::string_view bytes) { return WriteFile(path, bytes, O_APPEND); }

bool PosixFiles::Exists(std::string_view path) {
    struct stat info {};
    return ::stat(std::string(path).c_str(), &info) == 0;
}

}  // namespace corvane
