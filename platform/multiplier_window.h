#pragma once
// The always-on-top multiplier window, which runs on a thread of its own.

namespace corvane {

class MultiplierWindow {
public:
    virtual ~MultiplierWindow() = default;

    virtual bool IsOpen() const = 0;

    // Starts the window's thread; returns once the window is running.
    virtual void Open() = 0;

    // Tells an open window to close and waits (bounded) until its thread is done.
    virtual void Close() = 0;
};

}  // namespace corvane
