// Helpers the VM, port and datapath commands share: walking every port of
// every switch, the filter order, and the lcore parameter names.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "frame/CommandFrame.h"
#include "kavrel/Datapath.h"
#include "kavrel/Portset.h"
#include "lmxctl/Datapath.h"

namespace NorvaleCli {
namespace NetworkNamespace {

extern const char kLcoreIdParameter[];  // "lcore-id"
extern const char kSwitchParameter[];   // "switch"

// Calls visit for each port of each switch of the host, switch by switch.
void ForEachSwitchPort(
    const std::function<void(Kavrel::Network::Portset& vswitch, LmxCtl::Network::PortImpl& port)>& visit);

// Calls visit for every port, on any switch, whose ID is portId; false when
// no switch has such a port.
bool ForEachPortWithId(int64_t portId, const std::function<void(LmxCtl::Network::PortImpl& port)>& visit);
extern const char kNoSuchPortMessage[];  // "Couldn't find requested port"

// The port statistics commands: addRows(port, list) for every port whose ID is
// the decimal value of portIdParameter; when there is none, kNoSuchPortMessage
// instead of a result.
void ListPortRows(const InputPtr& input, const OutputPtr& output, const char* portIdParameter, const RecordPtr& layout,
                  const std::function<void(LmxCtl::Network::PortImpl& port, Parvik::MetaObj::MetaList& list)>& addRows);

// A host counter as an output integer.
inline int64_t Count(uint64_t value) { return static_cast<int64_t>(value); }

// Filters whose direction flag is clear first, then by sort key, byte-wise.
bool sortFilterStats(const std::unique_ptr<Kavrel::Network::FilterStats>& a,
                     const std::unique_ptr<Kavrel::Network::FilterStats>& b);

// Parses a decimal number as the host's number parsing does: leading blanks
// and sign accepted, parsing stops at the first non-digit; 0 for no digits.
int64_t ParseDecimal(const std::string& text);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
