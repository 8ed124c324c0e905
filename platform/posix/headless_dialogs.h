#pragma once
#include "platform/dialogs.h"

namespace corvane {

// Dialogs on Linux, where no screen is assumed: the header dialog is answered as an operator who
// presses OK at once would answer it, or cancelled when the environment variable
// CORVANE_HEADER_DIALOG is "cancel"; a notice is printed on standard error as "caption: text".
class HeadlessDialogs final : public Dialogs {
public:
    std::optional<HeaderFields> RunHeaderDialog(const HeaderFields& shown) override;
    void ShowInformation(std::string_view caption, std::string_view text) override;
};

}  // namespace corvane
