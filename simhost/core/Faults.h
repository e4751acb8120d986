// Injected host-control failures: an operation named in the "faults" section
// throws KavrelException with the configured text instead of running.
#pragma once

#include <map>
#include <string>

#include "ModelCodec.h"

namespace SimHost {

struct FaultTable {
    static constexpr const char* kSection = "faults";
    // "Class::Operation" -> description text of the exception to throw.
    std::map<std::string, std::string> byOperation;
};

// The section's document is the table itself: {"Class::Operation": "text", ...}.
inline void ReadModel(JsonReader& reader, FaultTable& table) { ReadValue(reader, table.byOperation); }
inline void WriteModel(JsonWriter& writer, const FaultTable& table) { WriteValue(writer, table.byOperation); }

// Called first by every host operation, with its "Class::Operation" name.
void CheckFault(const char* operation);

}  // namespace SimHost
