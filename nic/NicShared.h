// Helpers shared by the physical NIC commands: lookups with their messages,
// the on/off texts, the port, wake-on and link-mode names, pseudo NIC descriptions.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/CommandFrame.h"
#include "kavrel/NetworkInfo.h"
#include "kavrel/Pnic.h"

namespace NorvaleCli {
namespace NetworkNamespace {

// Parameter and field names used by many NIC units.
extern const char kNicNameParameter[];      // "nic-name"
extern const char kPnicParameter[];         // "pnic"
inline constexpr char kNicField[] = "NIC";  // also joined into output settings at compile time

inline const char* OnOff(bool value) { return value ? "on" : "off"; }
inline const char* OnOffCapitalised(bool value) { return value ? "On" : "Off"; }

// An integer parameter for an unsigned 32-bit host field, taken as a 32-bit
// value is: a negative one wraps (-1 is 4294967295, which the host judges).
// A value that does not fit in 32 bits at all is refused (a KavrelException
// naming the option) rather than wrapped, where it could pass for another,
// valid value.
uint32_t Uint32Parameter(const InputPtr& input, const std::string& name);

// The wordings of an unknown NIC: each group of commands keeps its own.
// "Pnic with name <name> not found": the diagnostic, offload and coalescing commands.
std::string PnicNotFoundMessage(const std::string& name);
// "There is no pnic with name <name>": nic get, set, up and down.
std::string NoPnicMessage(const std::string& name);
// "NIC with name <name> not found": the ring and pause commands.
std::string NicNotFoundMessage(const std::string& name);

// The NIC named name, or none after adding notFound (one of the wordings
// above, or a command's own). Without an inventory, the lookup makes its own.
std::unique_ptr<Kavrel::Network::Pnic> FindNic(Kavrel::Network::NetworkInfo& inventory, const std::string& name,
                                               const OutputPtr& output, const std::string& notFound);
std::unique_ptr<Kavrel::Network::Pnic> FindNic(const std::string& name, const OutputPtr& output,
                                               const std::string& notFound);

// All loaded NICs, or the one named by the optional string parameter; false
// (with notFoundMessage reported) when the name finds none.
bool SelectPnics(Kavrel::Network::NetworkInfo& inventory, const InputPtr& input, const OutputPtr& output,
                 const std::string& parameter, const std::string& notFoundPrefix, const std::string& notFoundSuffix,
                 std::vector<std::unique_ptr<Kavrel::Network::Pnic>>& pnics);

// Port-type texts: "Supported Ports" column and "Cable Type" column.
std::string SupportedPortText(uint32_t port);
std::string CableTypeText(uint32_t port);
std::string WakeOnText(uint32_t mode);
std::string LinkModeText(const Kavrel::Network::PnicLinkMode& mode);

// Vendor and device names from a pseudo NIC's "kind:vendor:device" description.
std::pair<std::string, std::string> PseudoNicNames(const std::string& description);

// All loaded NICs, or each one named by the optional list parameter; false
// (with "Can't find PNIC with name <name>" reported) at the first unknown name.
bool SelectPnicList(Kavrel::Network::NetworkInfo& inventory, const InputPtr& input, const OutputPtr& output,
                    const std::string& parameter, std::vector<std::unique_ptr<Kavrel::Network::Pnic>>& pnics);

// Ring get: the record show(preset, current) makes from the ring parameters
// of the NIC named by "nic-name", read once; NicNotFoundMessage when unknown.
void ShowRingParams(const InputPtr& input, const OutputPtr& output,
                    const std::function<RecordPtr(const Kavrel::Network::PnicRingParams& preset,
                                                  const Kavrel::Network::PnicRingParams& current)>& show);

// Hardware offload get: one record per selected NIC (all, or the one named by "pnic").
void ListOffloadSettings(
    const InputPtr& input, const OutputPtr& output, const std::function<RecordPtr()>& makeRecord,
    const std::function<void(const RecordPtr&, const Kavrel::Network::PnicOffloadSettings&)>& fill);
// Hardware offload set: the settings of mask take the value of "enable", the others stay as read.
void SetOffloadSettings(const InputPtr& input, const OutputPtr& output, uint8_t mask);

// An option of a set command whose host call takes a settings struct with a
// mask: the option's value goes to one member, and its bit into the mask.
template <typename Settings, typename Value>
struct MaskedOption {
    const char* name;
    const char* shortName;
    const char* description;
    decltype(Settings::mask) bit;
    Value Settings::*member;
};

// The settings of the options given, read with read(input, name); the mask
// holds their bits only, so that the host changes nothing else.
template <typename Settings, typename Value, size_t N, typename Read>
Settings GivenOptions(const InputPtr& input, const MaskedOption<Settings, Value> (&options)[N], Read read) {
    Settings settings;
    for (const auto& option : options) {
        if (!input->HasParameter(option.name)) continue;
        settings.mask |= option.bit;
        settings.*option.member = read(input, option.name);
    }
    return settings;
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
