// The parameters the route add and remove commands share.
#include "ip/RouteShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNetworkParameter[] = "network";
constexpr char kGatewayParameter[] = "gateway";
}  // namespace

InputSpecPtr RouteChangeInputSpec(const std::string& networkDescription, const std::string& gatewayDescription) {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetworkParameter, Parvik::CallSpec::PARAM_STRING, "n", networkDescription, true);
    AddParameter(spec, kGatewayParameter, Parvik::CallSpec::PARAM_STRING, "g", gatewayDescription, true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

const std::string& RouteNetworkText(const InputPtr& input) { return input->GetParameter(kNetworkParameter); }
const std::string& RouteGatewayText(const InputPtr& input) { return input->GetParameter(kGatewayParameter); }

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
