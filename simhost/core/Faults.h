// Injected host-control failures: an operation named in the "faults" section
// throws KavrelException with the configured text instead of running.
#pragma once

#include <map>
#include <string>

#include <nlohmann/json.hpp>

namespace SimHost {

struct FaultTable {
    static constexpr const char* kSection = "faults";
    // "Class::Operation" -> description text of the exception to throw.
    std::map<std::string, std::string> byOperation;
};

inline void to_json(nlohmann::json& document, const FaultTable& table) { document = table.byOperation; }
inline void from_json(const nlohmann::json& document, FaultTable& table) {
    table.byOperation = document.get<std::map<std::string, std::string>>();
}

// Called first by every host operation, with its "Class::Operation" name.
void CheckFault(const char* operation);

}  // namespace SimHost
