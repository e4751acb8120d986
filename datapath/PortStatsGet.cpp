// network port stats get: packet and byte counters of one switch port.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kPortIdParameter[] = "portid";
constexpr char kRecordName[] = "Port";
constexpr char kPortIdField[] = "Port ID";
constexpr char kRxPacketsField[] = "Packets received";
constexpr char kTxPacketsField[] = "Packets sent";
constexpr char kRxBytesField[] = "Bytes received";
constexpr char kTxBytesField[] = "Bytes sent";
constexpr char kRxBroadcastField[] = "Broadcast packets received";
constexpr char kTxBroadcastField[] = "Broadcast packets sent";
constexpr char kRxMulticastField[] = "Multicast packets received";
constexpr char kTxMulticastField[] = "Multicast packets sent";
constexpr char kRxUnicastField[] = "Unicast packets received";
constexpr char kTxUnicastField[] = "Unicast packets sent";
constexpr char kRxDroppedField[] = "Receive packets dropped";
constexpr char kTxDroppedField[] = "Transmit packets dropped";

}  // namespace

PortStatsGet::PortStatsGet() {
    SetDescription("Packet statistics for a given port.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:Port", "Packet statistics for port %Port ID%");
    SetDefaultOutputParameter("fields:Port",
                              "Packets received,Packets sent,Bytes received,Bytes sent,Broadcast packets "
                              "received,Broadcast packets sent,Multicast packets received,Multicast packets "
                              "sent,Unicast packets received,Unicast packets sent,Receive packets dropped,Transmit "
                              "packets dropped");
}

std::shared_ptr<PortStatsGet> PortStatsGet::New() { return std::shared_ptr<PortStatsGet>(new PortStatsGet()); }

PortStatsGet::~PortStatsGet() = default;

RecordPtr PortStatsGet::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .Int(kPortIdField)
        .Int(kRxPacketsField)
        .Int(kTxPacketsField)
        .Int(kRxBytesField)
        .Int(kTxBytesField)
        .Int(kRxBroadcastField)
        .Int(kTxBroadcastField)
        .Int(kRxMulticastField)
        .Int(kTxMulticastField)
        .Int(kRxUnicastField)
        .Int(kTxUnicastField)
        .Int(kRxDroppedField)
        .Int(kTxDroppedField);
}

InputSpecPtr PortStatsGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortIdParameter, Parvik::CallSpec::PARAM_INTEGER, "p",
                 "Port ID for the port to get statistics.", true);
    return spec;
}

OutputSpecPtr PortStatsGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void PortStatsGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    auto addRows = [&](LmxCtl::Network::PortImpl& port, Parvik::MetaObj::MetaList& list) {
        Kavrel::Network::PacketStats stats;
        port.GetPacketStats(stats);
        auto record = GetOutputStructure();
        record->SetField(kPortIdField, static_cast<int64_t>(port.GetId()));
        record->SetField(kRxPacketsField, Count(stats.rxPackets));
        record->SetField(kTxPacketsField, Count(stats.txPackets));
        record->SetField(kRxBytesField, Count(stats.rxBytes));
        record->SetField(kTxBytesField, Count(stats.txBytes));
        record->SetField(kRxBroadcastField, Count(stats.rxBroadcast));
        record->SetField(kTxBroadcastField, Count(stats.txBroadcast));
        record->SetField(kRxMulticastField, Count(stats.rxMulticast));
        record->SetField(kTxMulticastField, Count(stats.txMulticast));
        record->SetField(kRxUnicastField,
                         Count(stats.rxPackets) - (Count(stats.rxBroadcast) + Count(stats.rxMulticast)));
        record->SetField(kTxUnicastField,
                         Count(stats.txPackets) - (Count(stats.txBroadcast) + Count(stats.txMulticast)));
        record->SetField(kRxDroppedField, Count(stats.rxDropped));
        record->SetField(kTxDroppedField, Count(stats.txDropped));
        list.Add(record);
    };
    ListPortRows(input, output, kPortIdParameter, GetOutputStructure(), addRows);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
