// network port filter stats get: counters of each active filter of one switch port.
#include <algorithm>

#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kPortIdParameter[] = "portid";
constexpr char kRecordName[] = "Filter";
constexpr char kNameField[] = "Filter name";
constexpr char kDirectionField[] = "Filter direction";
constexpr char kInField[] = "Packets in";
constexpr char kOutField[] = "Packets out";
constexpr char kDroppedField[] = "Packets dropped";
constexpr char kFilteredField[] = "Packets filtered";
constexpr char kFaultedField[] = "Packets faulted";
constexpr char kQueuedField[] = "Packets queued";
constexpr char kInjectedField[] = "Packets injected";
constexpr char kErrorsField[] = "Packet errors";
constexpr char kTransmit[] = "Transmit";
constexpr char kReceive[] = "Receive";

// An uplink port sees the switch from the other side, so the senses swap.
const char* DirectionName(bool direction, uint32_t portType) {
    bool uplink = portType == LmxCtl::Network::PortImpl::PORT_TYPE_UPLINK;
    if (!direction) return uplink ? kTransmit : kReceive;
    return uplink ? kReceive : kTransmit;
}
}  // namespace

PortFilterStatsGet::PortFilterStatsGet() {
    SetDescription("Filter statistics for a given port.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:Filter", "Filter statistics for %Filter name%");
    SetDefaultOutputParameter("fields:Filter",
                              "Filter direction,Packets in,Packets out,Packets dropped,Packets filtered,Packets "
                              "faulted,Packets queued,Packets injected,Packet errors");
}

std::shared_ptr<PortFilterStatsGet> PortFilterStatsGet::New() {
    return std::shared_ptr<PortFilterStatsGet>(new PortFilterStatsGet());
}

PortFilterStatsGet::~PortFilterStatsGet() = default;

RecordPtr PortFilterStatsGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kDirectionField)
        .Int(kInField)
        .Int(kOutField)
        .Int(kDroppedField)
        .Int(kFilteredField)
        .Int(kFaultedField)
        .Int(kQueuedField)
        .Int(kInjectedField)
        .Int(kErrorsField);
}

InputSpecPtr PortFilterStatsGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortIdParameter, Parvik::CallSpec::PARAM_INTEGER, "p",
                 "Port ID for the port to get filter statistics.", true);
    return spec;
}

OutputSpecPtr PortFilterStatsGet::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void PortFilterStatsGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](LmxCtl::Network::PortImpl& port, Parvik::MetaObj::MetaList& list) {
        auto filters = port.GetFilterStats();
        std::sort(filters.begin(), filters.end(), sortFilterStats);
        uint32_t type = port.GetType();
        for (const auto& filter : filters) {
            if (!filter->active) continue;
            auto record = GetOutputStructure();
            record->SetField(kNameField, filter->name);
            record->SetField(kDirectionField, DirectionName(filter->direction, type));
            record->SetField(kInField, Count(filter->pktsIn));
            record->SetField(kOutField, Count(filter->pktsOut));
            record->SetField(kDroppedField, Count(filter->pktsDropped));
            if (filter->extended) {
                record->SetField(kFilteredField, Count(filter->pktsFiltered));
                record->SetField(kFaultedField, Count(filter->pktsFaulted));
                record->SetField(kQueuedField, Count(filter->pktsQueued));
                record->SetField(kInjectedField, Count(filter->pktsInjected));
                record->SetField(kErrorsField, Count(filter->pktErrors));
            }
            list.Add(record);
        }
    };
    ListPortRows(input, output, kPortIdParameter, GetOutputStructure(), addRows);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
