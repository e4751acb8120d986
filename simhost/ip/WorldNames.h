// Worlds by ID, for the listings that name the world of every socket or port.
#pragma once

#include <cstdint>
#include <string>

namespace SimHost {

// The name of the first stored world with that ID, or null.
const std::string* StoredWorldName(int64_t worldId);

}  // namespace SimHost
