// network nic stats get: a NIC's traffic and error counters.
#include "lmxctl/PnicImpl.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Stats = Kavrel::Network::PnicStats;

constexpr char kRecordName[] = "Nic";
constexpr char kNicNameField[] = "NIC Name";
constexpr char kStatsFailedPrefix[] = "Unable to get stats for NIC: ";

// Output fields in display order, each with the counter it shows.
const struct {
    const char* field;
    uint64_t Stats::*counter;
} kCounters[] = {
    {"Packets received", &Stats::rxPackets},
    {"Packets sent", &Stats::txPackets},
    {"Bytes received", &Stats::rxBytes},
    {"Bytes sent", &Stats::txBytes},
    {"Receive packets dropped", &Stats::rxDropped},
    {"Transmit packets dropped", &Stats::txDropped},
    {"Multicast packets received", &Stats::rxMulticast},
    {"Broadcast packets received", &Stats::rxBroadcast},
    {"Multicast packets sent", &Stats::txMulticast},
    {"Broadcast packets sent", &Stats::txBroadcast},
    {"Total receive errors", &Stats::rxErrors},
    {"Receive length errors", &Stats::rxLengthErrors},
    {"Receive over errors", &Stats::rxOverErrors},
    {"Receive CRC errors", &Stats::rxCrcErrors},
    {"Receive frame errors", &Stats::rxFrameErrors},
    {"Receive FIFO errors", &Stats::rxFifoErrors},
    {"Receive missed errors", &Stats::rxMissedErrors},
    {"Total transmit errors", &Stats::txErrors},
    {"Transmit aborted errors", &Stats::txAbortedErrors},
    {"Transmit carrier errors", &Stats::txCarrierErrors},
    {"Transmit FIFO errors", &Stats::txFifoErrors},
    {"Transmit heartbeat errors", &Stats::txHeartbeatErrors},
    {"Transmit window errors", &Stats::txWindowErrors},
};
}  // namespace

NicStatsGet::NicStatsGet() {
    SetDescription("Get NIC statistics for a given interface.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:Nic", "NIC statistics for %NIC Name%");
    std::string fields;
    for (const auto& counter : kCounters) fields += (fields.empty() ? "" : ",") + std::string(counter.field);
    SetDefaultOutputParameter("fields:Nic", fields);
}

std::shared_ptr<NicStatsGet> NicStatsGet::New() { return std::shared_ptr<NicStatsGet>(new NicStatsGet()); }

NicStatsGet::~NicStatsGet() = default;

RecordPtr NicStatsGet::GetOutputStructure() {
    RecordTemplate record(kRecordName);
    record.String(kNicNameField);
    for (const auto& counter : kCounters) record.Int(counter.field);
    return record;
}

InputSpecPtr NicStatsGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of the NIC to get statistics from.", true);
    return spec;
}

OutputSpecPtr NicStatsGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicStatsGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, kStatsFailedPrefix, [&] {
        LmxCtl::Network::PnicImpl pnic(input->GetParameter(kNicNameParameter));
        Stats stats;
        pnic.GetPnicStats(stats);
        auto record = GetOutputStructure();
        record->SetField(kNicNameField, pnic.GetName());
        // Counters are 64-bit; the output integer carries them bit for bit.
        for (const auto& counter : kCounters) record->SetField(counter.field, stats.*counter.counter);
        auto list = MakeRecordList(GetOutputStructure());
        list->Add(record);
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
