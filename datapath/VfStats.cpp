// network sriovnic vf stats: the counters of one VF of an SR-IOV NIC.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNicNameParameter[] = "nic-name";
constexpr char kVfIdParameter[] = "vf-id";
constexpr char kRecordName[] = "VfStats";
constexpr char kNicNameField[] = "NIC Name";
constexpr char kVfIdField[] = "VF ID";
constexpr char kNoSuchNic[] = "There is no SRIOV Nic with name ";
constexpr char kInvalidVfPrefix[] = "Invalid vf id:";
constexpr char kInvalidVfSuffix[] = " provided. vf id starts from 0";

// Counter fields in the order the driver reports them.
constexpr const char* kCounterFields[] = {"Rx Unicast Pkt",
                                          "Rx Unicast Bytes",
                                          "Rx Multicast Pkts",
                                          "Rx Multicast Bytes",
                                          "Rx Broadcast Pkts",
                                          "Rx Broadcast Bytes",
                                          "Rx Out of Buffer drops",
                                          "Rx Error drops",
                                          "Rx LRO Pkts",
                                          "Rx LRO Bytes",
                                          "Tx Unicast Pkt",
                                          "Tx Unicast Bytes",
                                          "Tx Multicast Pkts",
                                          "Tx Multicast Bytes",
                                          "Tx Broadcast Pkts",
                                          "Tx Broadcast Bytes",
                                          "Tx Errors",
                                          "Tx Discards",
                                          "Tx TSO Pkts",
                                          "Tx TSO Bytes"};
}  // namespace

VfStats::VfStats() {
    SetDescription("Get statistics for given VF of a SRIOV NIC.");
    SetDefaultOutputFormatter("simple");
    // The documented defaults name "VF" and "VFStats", not the record "VfStats":
    // neither applies, so users get no header and every field, "NIC Name" and
    // "VF ID" included.
    SetDefaultOutputParameter("header:VF", "Statistics for %vf% VF of %NIC Name%");
    SetDefaultOutputParameter("fields:VFStats",
                              "Rx Unicast Pkt,Rx Unicast Bytes,Rx Multicast Pkts,Rx Multicast Bytes,Rx Broadcast "
                              "Pkts,Rx Broadcast Bytes,Rx Out of Buffer drops,Rx Error drops,Rx LRO Pkts,Rx LRO "
                              "Bytes,Tx Unicast Pkt,Tx Unicast Bytes,Tx Multicast Pkts,Tx Multicast Bytes,Tx "
                              "Broadcast Pkts,Tx Broadcast Bytes,Tx Errors,Tx Discards,Tx TSO Pkts,Tx TSO Bytes");
}

std::shared_ptr<VfStats> VfStats::New() { return std::shared_ptr<VfStats>(new VfStats()); }

VfStats::~VfStats() = default;

InputSpecPtr VfStats::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the SRIOV NIC. This must be one of the cards listed in the sriovNic list command.", true);
    AddParameter(spec, kVfIdParameter, Parvik::CallSpec::PARAM_INTEGER, "v",
                 "The VF ID of the virtual function whose stats are to be collected. This must be one of the VF IDs "
                 "listed in the sriovnic vf list command.",
                 true);
    return spec;
}

OutputSpecPtr VfStats::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

RecordPtr VfStats::GetOutputStructure() {
    RecordTemplate record(kRecordName);
    record.String(kNicNameField).Int(kVfIdField);
    for (const auto& field : kCounterFields) record.Int(field);
    return record;
}

void VfStats::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kNicNameParameter);
        const std::string& vfText = input->GetParameter(kVfIdParameter);
        int64_t vfId = ParseDecimal(vfText);
        if (vfId < 0) {
            output->AddErrorMessage(kInvalidVfPrefix + vfText + kInvalidVfSuffix);
            return;
        }
        LmxCtl::Network::NetworkInfoImpl network;
        if (!network.GetSriovNicByName(name)) {
            output->AddErrorMessage(kNoSuchNic + name);
            return;
        }
        Kavrel::Network::SriovNicVFStats stats;
        network.GetSriovNicVFStats(name, vfId, stats);
        const uint64_t counters[] = {
            stats.rxUnicastPkts,   stats.rxUnicastBytes,   stats.rxMulticastPkts,    stats.rxMulticastBytes,
            stats.rxBroadcastPkts, stats.rxBroadcastBytes, stats.rxOutOfBufferDrops, stats.rxErrorDrops,
            stats.rxLroPkts,       stats.rxLroBytes,       stats.txUnicastPkts,      stats.txUnicastBytes,
            stats.txMulticastPkts, stats.txMulticastBytes, stats.txBroadcastPkts,    stats.txBroadcastBytes,
            stats.txErrors,        stats.txDiscards,       stats.txTsoPkts,          stats.txTsoBytes};
        auto record = GetOutputStructure();
        record->SetField(kNicNameField, name);
        record->SetField(kVfIdField, vfId);
        for (size_t i = 0; i < sizeof(counters) / sizeof(counters[0]); ++i) {
            record->SetField(kCounterFields[i], static_cast<int64_t>(counters[i]));
        }
        auto list = MakeRecordList(GetOutputStructure());
        list->Add(record);
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
