// network ip connection list: the TCP, UDP and raw IP sockets of a netstack with their worlds.
#include <unordered_map>

#include "frame/CommandFrame.h"
#include "frame/RowBuilder.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IpConnection";
// Strings, not character arrays: each row names every field.
const std::string kProtoField = "Proto";
const std::string kRecvQField = "Recv Q";
const std::string kSendQField = "Send Q";
const std::string kLocalField = "Local Address";
const std::string kForeignField = "Foreign Address";
const std::string kStateField = "State";
const std::string kWorldIdField = "World ID";
const std::string kCcAlgoField = "CC Algo";
const std::string kWorldNameField = "World Name";
constexpr char kListFailedPrefix[] = "Unable to get connection list.\n";
}  // namespace

IpConnectionList::IpConnectionList() {
    SetDescription("List active TCP/IP connections");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:IpConnection",
                              "Proto,Recv Q,Send Q,Local Address,Foreign Address,State,World ID,CC Algo,World Name");
}

std::shared_ptr<IpConnectionList> IpConnectionList::New() {
    return std::shared_ptr<IpConnectionList>(new IpConnectionList());
}

IpConnectionList::~IpConnectionList() = default;

RecordPtr IpConnectionList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kProtoField)
        .Int(kRecvQField)
        .Int(kSendQField)
        .String(kLocalField)
        .String(kForeignField)
        .String(kStateField)
        .Int(kWorldIdField)
        .String(kCcAlgoField)
        .String(kWorldNameField);
}

InputSpecPtr IpConnectionList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t", "Connection type: %ENUM%", false,
                 StringEnum({{"ip", nullptr}, {"tcp", nullptr}, {"udp", nullptr}, {"all", nullptr}}));
    return spec;
}

OutputSpecPtr IpConnectionList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpConnectionList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, kListFailedPrefix, [&] {
        std::string netstack = NetstackOrDefault(input);
        std::string type = input->HasParameter(kTypeParameter) ? input->GetParameter(kTypeParameter) : "all";
        LmxCtl::Network::NetworkInfoImpl network;
        LmxCtl::Resource::ResourceInfoImpl resources;
        auto list = MakeRecordList(GetOutputStructure());
        RowBuilder rows(GetOutputStructure());
        // The world ID and name cells of each world, made once per world.
        struct WorldCells {
            const Parvik::MetaObj::MetaObjectPtr* id = nullptr;
            const Parvik::MetaObj::MetaObjectPtr* name = nullptr;
        };
        std::unordered_map<int64_t, WorldCells> worlds;
        auto cellsOf = [&](int64_t worldId) -> const WorldCells& {
            auto& cells = worlds[worldId];
            if (!cells.id) {
                cells.id = &rows.Shared(worldId);
                cells.name = &rows.Shared(resources.GetWorldName(worldId));
            }
            return cells;
        };
        // One kind of socket at a time, so that the host's list of one kind is
        // released before the next is fetched: a host may have tens of thousands.
        auto addSockets = [&](void (LmxCtl::Network::NetworkInfoImpl::*fetch)(
                              std::vector<Kavrel::Network::TcpIpConnection>&, const std::string&)) {
            std::vector<Kavrel::Network::TcpIpConnection> connections;
            (network.*fetch)(connections, netstack);
            // The worlds' cells first, side by side in memory: every row uses
            // them again, and cells made between the rows would be scattered
            // over all of the listing's memory, a cache miss at every use.
            for (const auto& connection : connections) cellsOf(connection.worldId);
            list->Reserve(list->GetCount() + connections.size());
            RowBuilder::Column protocols, states, algorithms;
            for (const auto& connection : connections) {
                const WorldCells& world = cellsOf(connection.worldId);
                auto record = rows.NewRow();
                record->SetField(kProtoField, rows.Shared(protocols, connection.protocol));
                record->SetField(kRecvQField, rows.Shared(connection.recvQ));
                record->SetField(kSendQField, rows.Shared(connection.sendQ));
                record->SetField(kLocalField,
                                 rows.Own(RenderSocketAddress(connection.localAddress, connection.localPort)));
                record->SetField(kForeignField,
                                 rows.Own(RenderSocketAddress(connection.foreignAddress, connection.foreignPort)));
                record->SetField(kStateField, rows.Shared(states, TcpStateName(connection.state)));
                record->SetField(kWorldIdField, *world.id);
                record->SetField(kCcAlgoField, rows.Shared(algorithms, connection.ccAlgorithm));
                record->SetField(kWorldNameField, *world.name);
                list->Add(record);
            }
        };
        using Info = LmxCtl::Network::NetworkInfoImpl;
        if (type == "all" || type == "tcp") addSockets(&Info::GetCurrentTcpLumexConnections);
        if (type == "all" || type == "udp") addSockets(&Info::GetCurrentUdpLumexConnections);
        if (type == "all" || type == "ip") addSockets(&Info::GetCurrentIpLumexConnections);
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
