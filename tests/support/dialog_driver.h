#pragma once
// Plays the operator in the Windows tests: a thread of its own waits for a dialog to show and
// acts on it while the test's thread is inside the call that shows it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace corvane::testing {

class DialogWatcher {
public:
    // Runs `act` once on the first visible dialog with this caption whose controls exist (a
    // dialog can be found before its WM_INITDIALOG has made them). Stops looking when destroyed.
    DialogWatcher(std::string caption, std::function<void(HWND)> act)
        : thread_([this, caption = std::move(caption), act = std::move(act)] {
              while (!stop_) {
                  const HWND dialog = ::FindWindowA("#32770", caption.c_str());
                  if (dialog != nullptr && ::IsWindowVisible(dialog) && ::GetDlgItem(dialog, IDOK) != nullptr) {
                      act(dialog);
                      acted_ = true;
                      return;
                  }
                  ::Sleep(10);
              }
          }) {}
    ~DialogWatcher() {
        stop_ = true;
        thread_.join();
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    bool acted() const { return acted_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> acted_{false};
    std::thread thread_;  // last: the flags exist before it starts
};

inline std::string ControlText(HWND dialog, int id) {
    const HWND control = ::GetDlgItem(dialog, id);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The static that shows a message box's text.
inline constexpr int kMessageTextId = 0xFFFF;

}  // namespace corvane::testing
