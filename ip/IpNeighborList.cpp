// network ip neighbor list: the ARP and IPv6 neighbour entries of a netstack.
#include "frame/CommandFrame.h"
#include "frame/RowBuilder.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetworkNeighbor";
// Strings, not character arrays: each row names every field.
const std::string kNeighborField = "Neighbor";
const std::string kMacField = "Mac Address";
const std::string kLmxnicField = "Lmxnic";
const std::string kExpiryField = "Expiry";
const std::string kStateField = "State";
const std::string kTypeField = "Type";
constexpr char kVersionParameter[] = "version";
constexpr char kInterfaceParameter[] = "interface-name";
}  // namespace

IpNeighborList::IpNeighborList() {
    SetDescription("List ARP table entries");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:NetworkNeighbor", "Neighbor,Mac Address,Lmxnic,Expiry,State,Type");
    SetDefaultOutputParameter("units:NetworkNeighbor.Expiry", "sec");
}

std::shared_ptr<IpNeighborList> IpNeighborList::New() { return std::shared_ptr<IpNeighborList>(new IpNeighborList()); }

IpNeighborList::~IpNeighborList() = default;

RecordPtr IpNeighborList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNeighborField)
        .String(kMacField)
        .String(kLmxnicField)
        .Int(kExpiryField)
        .String(kStateField)
        .String(kTypeField);
}

InputSpecPtr IpNeighborList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVersionParameter, Parvik::CallSpec::PARAM_STRING, "v", "IP version: %ENUM%", false,
                 StringEnum({{"4", nullptr}, {"6", nullptr}, {"all", nullptr}}));
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kInterfaceParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface to limit the output of this command to; if unspecified, "
                 "list neighbors on all interfaces.",
                 false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IP neighbors with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpNeighborList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpNeighborList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::RoutingInfoImpl routing(kDefaultNetstack);
        std::string netstack = NetstackOrDefault(input);
        if (netstack != kDefaultNetstack) routing.SetNetstackInstanceKey(netstack);
        std::string version = input->HasParameter(kVersionParameter) ? input->GetParameter(kVersionParameter) : "all";
        int kind = 0;
        if (!PortsetKindFromType(input, output, netstack, kind)) return;
        std::string interfaceName = ParameterOr(input, kInterfaceParameter);
        if (!interfaceName.empty()) {
            LmxCtl::Network::LumexNicInfoImpl nics;
            if (!nics.GetLumexNicByInterface(interfaceName, false, kind)) {
                output->AddErrorMessage("Unable to find a Lumex interface with the name " + interfaceName);
                return;
            }
        }
        auto list = MakeRecordList(GetOutputStructure());
        RowBuilder rows(GetOutputStructure());
        RowBuilder::Column nics, states, types;
        auto addRecord = [&](std::string address, std::string mac, const std::string& nic, int64_t expiry,
                             const std::string& state, const std::string& type) {
            auto record = rows.NewRow();
            record->SetField(kNeighborField, rows.Own(std::move(address)));
            record->SetField(kMacField, rows.Own(std::move(mac)));
            record->SetField(kLmxnicField, rows.Shared(nics, nic));
            record->SetField(kExpiryField, rows.Shared(expiry));
            record->SetField(kStateField, rows.Shared(states, state));
            record->SetField(kTypeField, rows.Shared(types, type));
            list->Add(record);
        };
        if (version == "all" || version == "4") {
            std::vector<Kavrel::Network::Ipv4Neighbor> neighbors;
            routing.GetCurrentIpv4LumexNeighbors(neighbors, interfaceName, kind);
            list->Reserve(list->GetCount() + neighbors.size());
            for (auto& neighbor : neighbors) {
                std::string type = routing.GetIpv4NeighborType(neighbor);
                addRecord(neighbor.address.GetStringAddress(), std::move(neighbor.macAddress), neighbor.interfaceName,
                          neighbor.expiry, "", type);
            }
        }
        if (version == "all" || version == "6") {
            LmxCtl::Network::NetworkInfoImpl network;
            if (network.IsLmxIpv6Enabled()) {
                std::vector<Kavrel::Network::Ipv6Neighbor> neighbors;
                routing.GetCurrentIpv6LumexNeighbors(neighbors, interfaceName, kind);
                list->Reserve(list->GetCount() + neighbors.size());
                for (auto& neighbor : neighbors) {
                    std::string state = routing.GetIpv6NeighborState(neighbor);
                    std::string type = routing.GetIpv6NeighborType(neighbor);
                    addRecord(neighbor.address.GetStringAddress(), std::move(neighbor.macAddress),
                              neighbor.interfaceName, neighbor.expiry, state, type);
                }
            }
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
