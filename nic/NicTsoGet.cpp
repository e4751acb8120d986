// network nic tso get: TCP segmentation offload of one or all NICs.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "TSOSettings";
constexpr char kValueField[] = "Value";
}  // namespace

NicTsoGet::NicTsoGet() {
    SetDescription("Get TCP segmentation offload settings");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:TSOSettings", "NIC,Value");
}

std::shared_ptr<NicTsoGet> NicTsoGet::New() { return std::shared_ptr<NicTsoGet>(new NicTsoGet()); }

NicTsoGet::~NicTsoGet() = default;

RecordPtr NicTsoGet::GetOutputStructure() { return RecordTemplate(kRecordName).String(kNicField).String(kValueField); }

InputSpecPtr NicTsoGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "The name of pnic to get TSO settings",
                 false);
    return spec;
}

OutputSpecPtr NicTsoGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicTsoGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListOffloadSettings(
        input, output, [this] { return GetOutputStructure(); },
        [](const RecordPtr& record, const Kavrel::Network::PnicOffloadSettings& settings) {
            record->SetField(kValueField, OnOff(settings.tso));
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
