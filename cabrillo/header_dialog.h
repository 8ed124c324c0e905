#pragma once
// The Cabrillo header dialog as the core sees it: the texts that go in and come out, which
// control shows which text, the combo boxes' list items, and the rule by which a combo box picks
// its item when the dialog opens. The platform shells only draw it.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One text per control of the dialog. Multi-line texts break their lines with CR LF.
struct HeaderFields {
    std::string callsign;
    std::string operators;
    std::string categoryOperator;
    std::string categoryPower;
    std::string categoryBand;
    std::string categoryTime;
    std::string categoryTransmitter;
    std::string categoryOverlay;
    std::string categoryStation;
    std::string claimed;
    std::string contest;
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string email;
    std::string club;
    std::string soapBox;
    std::string offTime;
};

inline constexpr int kHeaderDialogTemplate = 101;

enum class ControlKind { kEdit, kComboBox };

// The list items of the combo boxes, in the order they are added. The resource file adds the same
// items, so a change here belongs there too (the Windows dialog test compares them).
inline constexpr std::array<std::string_view, 3> kOperatorItems = {"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
inline constexpr std::array<std::string_view, 3> kPowerItems = {"HIGH", "LOW", "QRP"};
inline constexpr std::array<std::string_view, 8> kBandItems = {"ALL", "80M",     "40M",     "20M",
                                                               "15M", "10M", "80M-40M", "20M-15M-10M"};
inline constexpr std::array<std::string_view, 2> kTimeItems = {"12-HOURS", "24-HOURS"};
inline constexpr std::array<std::string_view, 3> kTransmitterItems = {"ONE", "TWO", "UNLIMITED"};
inline constexpr std::array<std::string_view, 1> kOverlayItems = {"RESTRICTED"};
inline constexpr std::array<std::string_view, 2> kStationItems = {"FIXED", "PORTABLE"};

struct HeaderControl {
    int id;
    ControlKind kind;
    std::string HeaderFields::*field;
    std::span<const std::string_view> items = {};  // combo boxes only, in the order they are added
    bool sorted = false;                             // the box shows its items in alphabetical order
};

// Every control of the dialog that carries a text, top to bottom.
inline constexpr std::array<HeaderControl, 20> kHeaderControls = {{
    {1009, ControlKind::kEdit, &HeaderFields::contest},
    {1010, ControlKind::kEdit, &HeaderFields::callsign},
    {1008, ControlKind::kEdit, &HeaderFields::claimed},
    {1013, ControlKind::kComboBox, &HeaderFields::categoryOperator, kOperatorItems, true},
    {1017, ControlKind::kComboBox, &HeaderFields::categoryBand, kBandItems, false},
    {1015, ControlKind::kComboBox, &HeaderFields::categoryPower, kPowerItems, true},
    {1021, ControlKind::kComboBox, &HeaderFields::categoryTime, kTimeItems, true},
    {1022, ControlKind::kComboBox, &HeaderFields::categoryTransmitter, kTransmitterItems, true},
    {1031, ControlKind::kComboBox, &HeaderFields::categoryOverlay, kOverlayItems, true},
    {1032, ControlKind::kComboBox, &HeaderFields::categoryStation, kStationItems, true},
    {1000, ControlKind::kEdit, &HeaderFields::offTime},
    {1007, ControlKind::kEdit, &HeaderFields::name},
    {1002, ControlKind::kEdit, &HeaderFields::address},
    {1024, ControlKind::kEdit, &HeaderFields::addressCity},
    {1026, ControlKind::kEdit, &HeaderFields::addressPostalCode},
    {1028, ControlKind::kEdit, &HeaderFields::addressCountry},
    {1006, ControlKind::kEdit, &HeaderFields::operators},
    {1005, ControlKind::kEdit, &HeaderFields::club},
    {1001, ControlKind::kEdit, &HeaderFields::soapBox},
    {1004, ControlKind::kEdit, &HeaderFields::email},
}};

// A combo box's items in the order its list shows them.
std::vector<std::string> ListOrder(const HeaderControl& comboBox);

// The item a combo box selects when the dialog opens: the first, in list order, that begins with
// `text`, ignoring the case of ASCII letters. Nothing for an empty text or when no item begins
// with it; the box then shows the text itself in its edit field.
std::optional<std::size_t> OpeningItem(std::span<const std::string> items, std::string_view text);

// What OK gives back when the operator changes nothing: every edit box its text, every combo box
// the item it selected on opening or else its text.
HeaderFields ConfirmedUnchanged(const HeaderFields& shown);

}  // namespace corvane
