// network nic software set: switch software simulation of offloads on or off for a NIC.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Software = Kavrel::Network::PnicSoftwareSettings;

// Options in input order, each with its mask bit and the setting it carries.
const MaskedOption<Software, bool> kOptions[] = {
    {"ipv4cso", "", "Configure IPv4 checksum offload software simulation.", Software::IPV4_CSO, &Software::ipv4Cso},
    {"ipv4tso", "", "Configure IPv4 TCP segmentation offload software simulation.", Software::IPV4_TSO,
     &Software::ipv4Tso},
    {"sg", "", "Configure scatter gather software simulation.", Software::SG, &Software::scatterGather},
    {"obo", "", "Configure offset based encapsulation offload software simulation.", Software::OBO,
     &Software::offsetBasedOffload},
    {"vxlanencap", "", "Configure VXLAN encapsulation offload software simulation.", Software::VXLAN_ENCAP,
     &Software::vxlanEncap},
    {"geneveoffload", "", "Configure Geneve encapsulation offload software simulation.", Software::GENEVE_OFFLOAD,
     &Software::geneveOffload},
    {"ipv6tso", "", "Configure IPv6 TCP segmentation offload software simulation.", Software::IPV6_TSO,
     &Software::ipv6Tso},
    {"ipv6tsoext", "", "Configure IPv6 extend header TCP segmentation offload software simulation.",
     Software::IPV6_TSO_EXT, &Software::ipv6TsoExt},
    {"ipv6cso", "", "Configure IPv6 checksum offload software simulation.", Software::IPV6_CSO, &Software::ipv6Cso},
    {"ipv6csoext", "", "Configure IPv6 extend header checksum offload software simulation.", Software::IPV6_CSO_EXT,
     &Software::ipv6CsoExt},
    {"highdma", "", "Configure high DMA software simulation.", Software::HIGH_DMA, &Software::highDma},
    {"sgsp", "", "Configure scatter gather span multiple pages software simulation.", Software::SG_SPAN_PAGES,
     &Software::scatterGatherSpanPages},
    {"tagging", "", "Configure TX VLAN tagging software simulation.", Software::VLAN_TAGGING, &Software::vlanTagging},
    {"untagging", "", "Configure RX VLAN untagging software simulation.", Software::VLAN_UNTAGGING,
     &Software::vlanUntagging},
};
}  // namespace

NicSoftwareSet::NicSoftwareSet() { SetDescription("Enable and disable software simulation settings on a NIC."); }

std::shared_ptr<NicSoftwareSet> NicSoftwareSet::New() { return std::shared_ptr<NicSoftwareSet>(new NicSoftwareSet()); }

NicSoftwareSet::~NicSoftwareSet() = default;

InputSpecPtr NicSoftwareSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of the pnic whose software similation settings should be updated.", true);
    for (const auto& option : kOptions) {
        AddParameter(spec, option.name, Parvik::CallSpec::PARAM_BOOLEAN, option.shortName, option.description, false);
    }
    return spec;
}

OutputSpecPtr NicSoftwareSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicSoftwareSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kPnicParameter);
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        auto pnic = FindNic(*inventory, name, output, PnicNotFoundMessage(name));
        if (!pnic) return;
        // Only the options given are applied; the NIC's other settings are not read.
        Software settings = GivenOptions(
            input, kOptions, [](const InputPtr& given, const char* name) { return given->GetParameterBool(name); });
        if (settings.mask != 0) pnic->SetSoftwareSettings(settings);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
