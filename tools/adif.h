#pragma once
// Reading an ADIF log (.adi): tagged fields "<NAME:LENGTH[:TYPE]>DATA", records ended by <EOR>,
// an optional header ended by <EOH>.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::host {

struct AdifField {
    std::string name;  // upper case, whatever case the file uses
    std::string value;
};

struct AdifRecord {
    std::size_t offset = 0;  // byte offset of the record's first tag
    std::vector<AdifField> fields;

    // The value of the first field called `name` (upper case); empty when there is none.
    std::string_view Value(std::string_view name) const;
};

// Where a log stops being ADIF: the record being read (counted from 1, the header not counted)
// and the byte offset of the tag at fault.
struct AdifError {
    std::size_t record = 0;
    std::size_t offset = 0;
    std::string message;
};

struct AdifLog {
    std::vector<AdifRecord> records;
    std::optional<AdifError> error;  // set when the file is malformed; `records` is then empty
};

// Text outside tags is ignored, as are fields before an <EOH> (the header's). An unclosed tag, a
// length that is not a number or runs past the end of the file, a tag without a length other
// than <EOH> and <EOR>, and fields after the last <EOR> make the whole file malformed.
AdifLog ParseAdif(std::string_view bytes);

}  // namespace corvane::host
