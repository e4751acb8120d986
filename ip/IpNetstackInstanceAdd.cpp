// network ip netstack add: create a netstack instance, in the kernel or only in the configuration.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kDisabledParameter[] = "disabled";
const int kNewMaxConnections = 11000;
const int kNewInstanceType = 2;
const char kNewEcnStatus[] = "enabled";
}  // namespace

IpNetstackInstanceAdd::IpNetstackInstanceAdd() { SetDescription("Add a new Netstack Instance."); }

std::shared_ptr<IpNetstackInstanceAdd> IpNetstackInstanceAdd::New() {
    return std::shared_ptr<IpNetstackInstanceAdd>(new IpNetstackInstanceAdd());
}

IpNetstackInstanceAdd::~IpNetstackInstanceAdd() = default;

InputSpecPtr IpNetstackInstanceAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", "The network stack instance", true);
    AddParameter(spec, kDisabledParameter, Parvik::CallSpec::PARAM_FLAG, "d",
                 "Create the netstack instance only in config i.e. in disabled state. Does not create in kernel.",
                 false);
    return spec;
}

OutputSpecPtr IpNetstackInstanceAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Unable to add Netstack Instance. Error was : ", [&] {
        LmxCtl::Network::NetstackInstanceImpl instance(input->GetParameter(kNetstackParameter), kNewMaxConnections,
                                                       kNewNetstackCcAlgorithm, true, kNewInstanceType, kNewEcnStatus);
        LmxCtl::Network::NetworkInfoImpl network;
        network.AddNetstackInstance(instance, input->IsFlagSet(kDisabledParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
