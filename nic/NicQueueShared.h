// Helpers shared by the NetQueue, diagnostic and capability commands: lookups
// with their messages, the per-NIC netqueue walk, hexadecimal text.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "frame/CommandFrame.h"
#include "kavrel/Pnic.h"
#include "kavrel/Portset.h"

namespace NorvaleCli {
namespace NetworkNamespace {

// Lookup messages of the netqueue commands.
std::string InvalidPnicNameMessage(const std::string& name);  // "Invalid PNIC name <name>"

// The VLAN IDs an attachment may use: strictly between the port group bounds.
constexpr int64_t kAttachmentMinVlanId = Kavrel::Network::PortGroup::MIN_VLAN_ID + 1;
constexpr int64_t kAttachmentMaxVlanId = Kavrel::Network::PortGroup::MAX_VLAN_ID - 1;

// Reads the netqueue record of every selected NIC (all loaded NICs, or the one
// named by "pnic" when given) and hands it to addRecords; sets the list as root.
// notFoundMessage builds the lookup failure from the name.
void ListNetqueue(const InputPtr& input, const OutputPtr& output, const RecordPtr& elementTemplate,
                  const std::function<std::string(const std::string&)>& notFoundMessage,
                  const std::function<void(const ListPtr&, const Kavrel::Network::Pnic&,
                                           const Kavrel::Network::PnicNetqueueInfo&)>& addRecords);

// Looks the NIC named by "pnic" up, lets fill set fields of a zeroed record and
// applies it when fill returns true; the root is true in either case.
void ChangeNetqueue(const InputPtr& input, const OutputPtr& output,
                    const std::function<std::string(const std::string&)>& notFoundMessage,
                    const std::function<bool(Kavrel::Network::PnicNetqueueInfo&)>& fill);

// Lower-case hexadecimal without prefix, zero-padded to at least width digits.
std::string HexText(uint64_t value, int width);

// The hardware capability lists: "NIC" and the names of the set bits 0 to 30 of
// the mask that selectMask picks, each followed by three blanks.
void ListHwCaps(const InputPtr& input, const OutputPtr& output, const std::function<RecordPtr()>& makeRecord,
                const std::string& capsField,
                const std::function<uint64_t(const Kavrel::Network::PnicHwCaps&)>& selectMask);
std::string HwCapText(uint64_t mask);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
