#include "cabrillo/header_dialog.h"

#include <algorithm>

namespace corvane {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

}  // namespace

std::vector<std::string> ListOrder(const HeaderControl& comboBox) {
    std::vector<std::string> items(comboBox.items.begin(), comboBox.items.end());
    if (comboBox.sorted) std::sort(items.begin(), items.end());
    return items;
}

std::optional<std::size_t> OpeningItem(std::span<const std::string> items, std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (BeginsWithIgnoringCase(items[i], text)) return i;
    return std::nullopt;
}

HeaderFields ConfirmedUnchanged(const HeaderFields& shown) {
    HeaderFields confirmed = shown;
    for (const HeaderControl& control : kHeaderControls) {
        if (control.kind != ControlKind::kComboBox) continue;
        const std::vector<std::string> items = ListOrder(control);
        if (const auto item = OpeningItem(items, shown.*control.field)) confirmed.*control.field = items[*item];
    }
    return confirmed;
}

}  // namespace corvane
