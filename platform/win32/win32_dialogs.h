#pragma once
#include "platform/dialogs.h"

namespace corvane {

// The dialogs on Windows: the header dialog from template 101 of the module that holds this code
// (Stats.dll, or a test program built with the same resources), and the system's message box.
class Win32Dialogs final : public Dialogs {
public:
    std::optional<HeaderFields> RunHeaderDialog(const HeaderFields& shown) override;
    void ShowInformation(std::string_view caption, std::string_view text) override;
};

}  // namespace corvane
