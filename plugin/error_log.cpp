#include "plugin/error_log.h"

namespace corvane {
namespace {

constexpr std::string_view kHeader = "Corvane UBN file ";  // the trailing blank belongs to it
constexpr std::string_view kTag = "QSO:  ";
constexpr std::string_view kSeparator = "  ";

}  // namespace

void RecreateErrorLog(FileSystem& files) {
    std::string bytes(kHeader);
    bytes += kLineEnd;
    files.WriteWhole(kErrorLogPath, bytes);
}

std::string ErrorLine(const QsoArgs& qso, std::string_view time, std::string_view reason) {
    std::string line(kTag);
    line += std::to_string(qso.frequencyHz / 1000);
    for (std::string_view field : {qso.mode, time, qso.myCall, qso.rstSent, qso.exchangeSent, qso.call,
                                   qso.rstReceived, qso.exchangeReceived}) {
        line += kSeparator;
        line += field;
    }
    line += reason;
    line += kLineEnd;
    return line;
}

}  // namespace corvane
