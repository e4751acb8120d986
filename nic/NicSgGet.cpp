// network nic sg get: scatter-gather of one or all NICs.
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "ScatterGatherSetting";
constexpr char kValueField[] = "Value";
}  // namespace

NicSgGet::NicSgGet() {
    SetDescription("Get scatter-gather settings");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:ScatterGatherSetting", "NIC,Value");
}

std::shared_ptr<NicSgGet> NicSgGet::New() { return std::shared_ptr<NicSgGet>(new NicSgGet()); }

NicSgGet::~NicSgGet() = default;

RecordPtr NicSgGet::GetOutputStructure() { return RecordTemplate(kRecordName).String(kNicField).String(kValueField); }

InputSpecPtr NicSgGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of pnic to get scatter-gather settings", false);
    return spec;
}

OutputSpecPtr NicSgGet::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicSgGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListOffloadSettings(
        input, output, [this] { return GetOutputStructure(); },
        [](const RecordPtr& record, const Kavrel::Network::PnicOffloadSettings& settings) {
            record->SetField(kValueField, OnOff(settings.scatterGather));
        });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
