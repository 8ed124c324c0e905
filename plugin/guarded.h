#pragma once
// A value that can only be reached while its mutex is held: Lock() hands out an accessor that
// owns the lock for as long as it lives.
#include <mutex>
#include <utility>

namespace corvane {

template <class T>
class Guarded {
public:
    template <class V>
    class Access {
    public:
        Access(std::mutex& mutex, V& value) : lock_(mutex), value_(&value) {}
        V* operator->() const { return value_; }
        V& operator*() const { return *value_; }

    private:
        std::unique_lock<std::mutex> lock_;
        V* value_;
    };

    template <class... Args>
    explicit Guarded(Args&&... args) : value_(std::forward<Args>(args)...) {}

    Access<T> Lock() { return Access<T>(mutex_, value_); }
    Access<const T> Lock() const { return Access<const T>(mutex_, value_); }

private:
    mutable std::mutex mutex_;
    T value_;
};

}  // namespace corvane
