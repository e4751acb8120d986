// Helpers shared by the Lumex interface commands: the name pattern, lookups by
// name, the interface selection of the get commands, connection points and tags.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/CommandFrame.h"
#include "kavrel/LmxNic.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

extern const char kInterfaceNamePattern[];
extern const char kInterfaceNameParameter[];
extern const char kPortgroupNameParameter[];
extern const char kDvsNameParameter[];
extern const char kDvportIdParameter[];
extern const char kDvsNameDescription[];
extern const char kDvportIdDescription[];
extern const char kNoSuchInterfacePrefix[];  // "Unable to find a Lumex interface with the name "
extern const char kNotSystemTypeMessage[];
extern const char kInvalidIpv6NetworkMessage[];

using LmxNicPtr = std::shared_ptr<LmxCtl::Network::LmxNicImpl>;

// The interface of kind 0 named name, or null after adding notFound (by
// default kNoSuchInterfacePrefix and the name).
LmxNicPtr FindInterface(const std::string& name, const OutputPtr& output);
LmxNicPtr FindInterface(const std::string& name, const OutputPtr& output, const std::string& notFound);

// The same, found in the list of interfaces of kind 0 with stale ones
// refreshed first, as the commands that change or show one interface's
// settings see it.
LmxNicPtr FindListedInterface(LmxCtl::Network::LumexNicInfoImpl& info, const std::string& name, const OutputPtr& output,
                              const std::string& notFound);

// The interfaces the get commands and the IPv6 address list show: by name, by
// netstack, or all, of the kind "type" selects. False after reporting why not.
bool SelectInterfaces(const InputPtr& input, const OutputPtr& output, const std::string& netstack,
                      std::vector<LmxNicPtr>& selected);

// The connection-point rules of add and remove: false after reporting.
bool CheckConnectionPointRules(const InputPtr& input, const OutputPtr& output);
// The connection point the parameters name, checked valid; null after reporting.
std::unique_ptr<Kavrel::Network::ConnectionPoint> BuildConnectionPoint(const InputPtr& input, const OutputPtr& output);

// What IPv6 address add and remove share: check the "address/prefix" text,
// find the interface, apply change to its live configuration and write it
// back; failures carry failurePrefix.
using Ipv6NetworkChange = void (Kavrel::Network::IpConfig::*)(const Kavrel::Network::Ipv6Network&);
void ChangeIpv6Address(const std::string& name, const std::string& address, const std::string& failurePrefix,
                       Ipv6NetworkChange change, const OutputPtr& output);

// "Supported tags are: " and the tag names 1 to 12.
std::string SupportedTagsText();
// Reports an unknown tag name (two messages) and returns false.
bool TagFromName(const std::string& name, const OutputPtr& output, Kavrel::Network::LmxNicTagType& tag);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
