#include "platform/posix/headless_dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace corvane {

std::optional<HeaderFields> HeadlessDialogs::RunHeaderDialog(const HeaderFields& shown) {
    const char* answer = std::getenv("CORVANE_HEADER_DIALOG");
    if (answer != nullptr && std::string_view(answer) == "cancel") return std::nullopt;
    return ConfirmedUnchanged(shown);
}

void HeadlessDialogs::ShowInformation(std::string_view caption, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
}

}  // namespace corvane
