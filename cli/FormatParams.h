// The output parameters a user may give with --format-param: which records a
// command renders, and whether a key and its value fit them.
#pragma once

#include <string>
#include <vector>

#include "parvik/MetaObj.h"

namespace Parvik {
namespace AutoCli {

// One kind of record a command renders, with its field names in display order.
struct RecordFields {
    std::string name;
    std::vector<std::string> fields;
};

// The records of an output spec's root, outermost first, each kind once
// (nested records and the elements of lists of records included).
std::vector<RecordFields> RenderedRecords(const MetaObj::MetaObject* root);

// Why KEY=VALUE cannot apply to a command rendering these records, in one
// message naming what would be valid; empty when it fits.
std::string CheckFormatParameter(const std::string& key, const std::string& value,
                                 const std::vector<RecordFields>& records);

}  // namespace AutoCli
}  // namespace Parvik
