// network vswitch dvs norvale lacp timeout set: choose the short or long LACP timeout of a group's NICs.
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTimeoutParameter[] = "timeout";
constexpr char kNicNameParameter[] = "nic-name";
constexpr char kLagIdParameter[] = "lag-id";
constexpr char kCdsParameter[] = "cds";
}  // namespace

LacpSetTimeout::LacpSetTimeout() { SetDescription("Set long/short timeout for pnics in one LACP LAG"); }

std::shared_ptr<LacpSetTimeout> LacpSetTimeout::New() { return std::shared_ptr<LacpSetTimeout>(new LacpSetTimeout()); }

LacpSetTimeout::~LacpSetTimeout() = default;

InputSpecPtr LacpSetTimeout::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kTimeoutParameter, Parvik::CallSpec::PARAM_BOOLEAN, "t",
                 "Set long or short timeout: 1 for short timeout and 0 for long timeout.", true);
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The nic name. If it is set, then only this pnic in the lag will be configured.", false);
    AddParameter(spec, kLagIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "The ID of LAG to be configured.", true);
    AddParameter(spec, kCdsParameter, Parvik::CallSpec::PARAM_STRING, "s", "The name of CDS.", true);
    return spec;
}

OutputSpecPtr LacpSetTimeout::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void LacpSetTimeout::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        if (!input->HasParameter(kTimeoutParameter)) {
            output->AddErrorMessage("Timeout is empty");
            return;
        }
        if (!input->HasParameter(kCdsParameter)) {
            output->AddErrorMessage("CDS name is empty");
            return;
        }
        if (!input->HasParameter(kLagIdParameter)) {
            output->AddErrorMessage("LAG ID is empty");
            return;
        }
        const std::string& cds = input->GetParameter(kCdsParameter);
        auto dvswitch = Kavrel::Network::NetworkFactory::GetDVSwitchByName(cds);
        if (!dvswitch) {
            output->AddErrorMessage("Unable to find a DVSwitch with the name " + cds);
            return;
        }
        // Without a NIC name the timeout applies to every NIC of the group.
        const std::string nic = ParameterOr(input, kNicNameParameter);
        dvswitch->SetLacpTimeout(input->GetParameterInt(kLagIdParameter), input->GetParameterBool(kTimeoutParameter),
                                 nic);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
