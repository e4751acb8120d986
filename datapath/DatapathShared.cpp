// Helpers the VM, port and datapath commands share.
#include "datapath/DatapathShared.h"

#include <cstdlib>

#include "lmxctl/VirtualSwitch.h"

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kLcoreIdParameter[] = "lcore-id";
constexpr char kSwitchParameter[] = "switch";
constexpr char kNoSuchPortMessage[] = "Couldn't find requested port";

void ForEachSwitchPort(
    const std::function<void(Kavrel::Network::Portset& vswitch, LmxCtl::Network::PortImpl& port)>& visit) {
    LmxCtl::Network::VirtualSwitchInfoImpl switches;
    for (const auto& vswitch : switches.GetAllSwitches()) {
        if (!vswitch) continue;
        std::string name = vswitch->GetName();
        for (const auto& info : vswitch->GetPorts()) {
            LmxCtl::Network::PortImpl port(name, info.portId);
            visit(*vswitch, port);
        }
    }
}

bool ForEachPortWithId(int64_t portId, const std::function<void(LmxCtl::Network::PortImpl& port)>& visit) {
    bool found = false;
    ForEachSwitchPort([&](Kavrel::Network::Portset&, LmxCtl::Network::PortImpl& port) {
        if (static_cast<int64_t>(port.GetId()) != portId) return;
        found = true;
        visit(port);
    });
    return found;
}

void ListPortRows(
    const InputPtr& input, const OutputPtr& output, const char* portIdParameter, const RecordPtr& layout,
    const std::function<void(LmxCtl::Network::PortImpl& port, Parvik::MetaObj::MetaList& list)>& addRows) {
    WithStandardErrors(output, [&] {
        int64_t wanted = ParseDecimal(input->GetParameter(portIdParameter));
        auto list = MakeRecordList(layout);
        bool found = ForEachPortWithId(wanted, [&](LmxCtl::Network::PortImpl& port) { addRows(port, *list); });
        if (!found) {
            output->AddErrorMessage(kNoSuchPortMessage);
            return;
        }
        output->SetRootObject(list);
    });
}

bool sortFilterStats(const std::unique_ptr<Kavrel::Network::FilterStats>& a,
                     const std::unique_ptr<Kavrel::Network::FilterStats>& b) {
    if (a->direction != b->direction) return !a->direction;
    return a->sortName < b->sortName;
}

int64_t ParseDecimal(const std::string& text) { return std::strtoll(text.c_str(), nullptr, 10); }

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
