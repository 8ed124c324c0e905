#include "cabrillo/cabrillo_header.h"

#include <algorithm>

#include "platform/platform.h"
#include "plugin/contest_state.h"
#include "scoring/settings.h"

namespace corvane {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t found = text.find(from, at);
        out.append(text.substr(at, found - at));
        if (found == std::string_view::npos) return out;
        out.append(to);
        at = found + from.size();
    }
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsForbiddenInFileName(char c) {
    constexpr std::string_view kForbidden = ":*?\"<>|";
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || kForbidden.find(c) != std::string_view::npos;
}

}  // namespace

std::string EncodeLineBreaks(std::string_view text) { return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>"); }

std::string DecodeLineBreaks(std::string_view stored) {
    return ReplaceAll(ReplaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string FileBaseName(std::string_view ownCall) {
    std::string name = ReplaceAll(ReplaceAll(ownCall, "/", "_"), "\\", "_");
    const auto first = std::find_if_not(name.begin(), name.end(), IsWhiteSpace);
    const auto last = std::find_if_not(name.rbegin(), name.rend(), IsWhiteSpace).base();
    name = first < last ? std::string(first, last) : std::string();
    for (char& c : name)
        if (IsForbiddenInFileName(c)) c = '_';
    return name.empty() ? "ZELK" : name;
}

void EditCabrilloHeader(ContestState& state, Platform& platform, std::string_view ownCall) {
    CabrilloHeader& header = state.cabrilloHeader;
    const SettingsFile settings(platform.profile, state.sectionName, state.iniPath);
    const auto read = [&](std::string_view key) { return settings.ReadText(key, "", kHeaderRoom); };

    header.callsign = std::string(ownCall);
    header.fileBaseName = FileBaseName(ownCall);
    header.operators = settings.ReadText("Operators", ownCall, kHeaderRoom);
    header.name = read("Name");
    header.address = read("Address");
    header.addressCity = read("Address_City");
    header.addressPostalCode = read("Address_PostalCode");
    header.addressCountry = read("Address_Country");
    header.claimed = read("Claimed");
    header.offTime = DecodeLineBreaks(read("Offtime"));
    header.contest = read("Name_Test");
    header.email = read("Email");
    header.club = read("Club");
    header.soapBox = DecodeLineBreaks(read("SoapBox"));
    // The stored "Category" and "Power" are not read back: every run starts from these.
    header.categoryOperator = "SINGLE-OP";
    header.categoryPower = "HIGH";
    header.categoryBand = "ALL";

    HeaderFields shown = header;
    shown.categoryTransmitter.clear();
    shown.categoryOverlay.clear();
    shown.categoryStation.clear();
    const std::optional<HeaderFields> confirmed = platform.dialogs.RunHeaderDialog(shown);
    if (!confirmed) return;

    // The claimed score in the file is always the one computed at export time.
    const std::string claimed = header.claimed;
    static_cast<HeaderFields&>(header) = *confirmed;
    header.claimed = claimed;

    settings.WriteText("Operators", header.operators);
    settings.WriteText("Name", header.name);
    settings.WriteText("Address", header.address);
    settings.WriteText("Address_City", header.addressCity);
    settings.WriteText("Address_PostalCode", header.addressPostalCode);
    settings.WriteText("Address_Country", header.addressCountry);
    settings.WriteText("Category", header.categoryOperator);
    settings.WriteText("Power", header.categoryPower);
    settings.WriteText("Contest", header.contest);
    settings.WriteText("Email", header.email);
    settings.WriteText("Club", header.club);
    settings.WriteText("SoapBox", EncodeLineBreaks(header.soapBox));
    settings.WriteText("Offtime", EncodeLineBreaks(header.offTime));
}

}  // namespace corvane
