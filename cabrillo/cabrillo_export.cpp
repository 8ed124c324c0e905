#include "cabrillo/cabrillo_export.h"

namespace corvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendPadded(std::string& line, std::string_view value, std::size_t width, bool alignRight = false) {
    const std::size_t padding = value.size() < width ? width - value.size() : 0;
    if (alignRight) line.append(padding, ' ');
    line += value;
    if (!alignRight) line.append(padding, ' ');
}

void AppendHeaderLine(std::string& log, std::string_view tag, std::string_view value) {
    log.append(tag).append(value).append(kLineEnd);
}

}  // namespace

std::string_view CabrilloMode(std::string_view mode) {
    if (mode == "CW") return "CW";
    if (mode == "SSB") return "PH";
    return "??";
}

void AddQsoLine(CabrilloHeader& header, const CInfo& qso, std::string_view modeText) {
    std::string line = "QSO: ";
    AppendPadded(line, std::to_string(qso.frequencyKhz), 5, true);
    line += ' ';
    AppendPadded(line, modeText, 2, true);
    line += ' ';
    line += FormatOleDate(qso.time, "%Y-%m-%d %H%M");
    line += ' ';
    AppendPadded(line, header.callsign, 13);
    line += ' ';
    AppendPadded(line, qso.rstSent, 3);
    line += ' ';
    AppendPadded(line, qso.exchangeSent, 6);
    line += ' ';
    AppendPadded(line, qso.call, 13);
    line += ' ';
    AppendPadded(line, qso.rstReceived, 3);
    line += ' ';
    line += qso.exchangeReceived;
    line += kLineEnd;
    header.qsoLines.push_back(std::move(line));
}

std::string CabrilloLog(const CabrilloHeader& header, std::string_view contestName, std::int64_t claimedScore,
                        std::string_view hostVersion) {
    std::string log = "START-OF-LOG: 3.0\r\n";
    AppendHeaderLine(log, "CONTEST: ", contestName);
    AppendHeaderLine(log, "CALLSIGN: ", header.callsign);
    AppendHeaderLine(log, "CATEGORY-OPERATOR: ", header.categoryOperator);
    AppendHeaderLine(log, "CATEGORY-POWER: ", header.categoryPower);
    AppendHeaderLine(log, "CATEGORY-TRANSMITTER: ", header.categoryTransmitter);
    if (!header.categoryOverlay.empty()) AppendHeaderLine(log, "CATEGORY-OVERLAY: ", header.categoryOverlay);
    AppendHeaderLine(log, "OPERATORS: ", header.operators);
    AppendHeaderLine(log, "CLAIMED-SCORE: ", std::to_string(claimedScore));
    AppendHeaderLine(log, "CREATED-BY: Nolvex ", hostVersion);
    AppendHeaderLine(log, "NAME: ", header.name);
    AppendHeaderLine(log, "ADDRESS: ", header.address);
    AppendHeaderLine(log, "ADDRESS-CITY: ", header.addressCity);
    AppendHeaderLine(log, "ADDRESS-POSTALCODE: ", header.addressPostalCode);
    AppendHeaderLine(log, "ADDRESS-COUNTRY: ", header.addressCountry);
    AppendHeaderLine(log, "EMAIL: ", header.email);
    // A line break of the multi-line box is CR LF; a stray LF is dropped, a stray CR still breaks.
    std::string soapBox;
    for (const char c : header.soapBox) {
        if (c == '\r')
            soapBox.append("\r\nSOAPBOX: ");
        else if (c != '\n')
            soapBox += c;
    }
    AppendHeaderLine(log, "SOAPBOX: ", soapBox);
    for (const std::string& line : header.qsoLines) log += line;
    log.append("END-OF-LOG:").append(kLineEnd);
    return log;
}

std::optional<std::string> HostVersionText(FileSystem& files) {
    for (const std::string& name : files.ListPrograms()) {
        if (name.find("Nolvex") == std::string::npos) continue;
        const std::optional<FileVersion> version = files.ReadFileVersion(name);
        if (!version) return std::nullopt;
        const std::uint32_t major = version->mostSignificant >> 16;
        const std::uint32_t minor = version->mostSignificant & 0xFFFF;
        const std::uint32_t third = version->leastSignificant >> 16;
        std::string text = std::to_string(major);
        text.append(".").append(std::to_string(minor));
        if (major != 2) text.append(".").append(std::to_string(third));
        return text;
    }
    return std::nullopt;
}

std::string WriteCabrilloFile(const ContestState& state, FileSystem& files) {
    const CabrilloHeader& header = state.cabrilloHeader;
    const std::string fileName = header.fileBaseName + ".cbr";
    const std::string log =
        CabrilloLog(header, state.contestName, state.lastScore, HostVersionText(files).value_or(""));
    if (!files.WriteWhole(fileName, log)) return "File could not be written: " + fileName;
    return "File produced: " + fileName;
}

void ExportCabrillo(ContestState& state, Platform& platform) {
    CabrilloHeader& header = state.cabrilloHeader;
    header.qsoLines.clear();
    {
        const auto shared = state.shared.Lock();
        for (const CInfo& qso : shared->qsoList) AddQsoLine(header, qso, CabrilloMode(qso.mode));
    }
    // No lock from here on: the notice waits for the operator.
    const std::string message = WriteCabrilloFile(state, platform.files);
    platform.dialogs.ShowInformation("Output", message);
}

}  // namespace corvane
