#pragma once
// One move-only owner for every kind of Win32 handle, parameterised by a traits type that says
// what the handle is, what its "no handle" value is and how it is closed. Closing keeps the
// thread's last error, so cleanup never hides why a call failed.
#include <windows.h>

#include <utility>

namespace corvane::win32 {

template <class Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Traits::Invalid()));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) {
            const DWORD lastError = ::GetLastError();
            Traits::Close(handle_);
            ::SetLastError(lastError);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }  // CreateFile's failure value
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::FindClose(handle); }
};

using UniqueFile = Unique<FileTraits>;
using UniqueFind = Unique<FindTraits>;

}  // namespace corvane::win32
