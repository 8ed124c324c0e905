#pragma once
// The plug-in's modal windows: the Cabrillo header dialog and the notice after an export.
#include <optional>
#include <string_view>

#include "cabrillo/header_dialog.h"

namespace corvane {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the header dialog with these texts over the host's active window. The texts as the
    // operator confirmed them with OK; nothing when the dialog was cancelled or closed, or could
    // not be shown at all.
    virtual std::optional<HeaderFields> RunHeaderDialog(const HeaderFields& shown) = 0;

    // A notice with an information icon and an OK button, owned by the host's active window;
    // returns when the operator has closed it.
    virtual void ShowInformation(std::string_view caption, std::string_view text) = 0;
};

}  // namespace corvane
