#include "plugin/error_log.h"

#include <string>

namespace corvane {
namespace {

constexpr std::string_view kHeader = "Corvane UBN file ";  // the trailing blank belongs to it

}  // namespace

void RecreateErrorLog(FileSystem& files) {
    files.WriteWhole(kErrorLogPath, std::string(kHeader) + std::string(kLineEnd));
}

}  // namespace corvane
