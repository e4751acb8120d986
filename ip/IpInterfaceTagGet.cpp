// network ip interface tag get: the traffic tags of a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "InterfaceTag";
constexpr char kTagsField[] = "Tags";
}  // namespace

IpInterfaceTagGet::IpInterfaceTagGet() {
    SetDescription("Gets the tags set on the given Lumex network interface.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:InterfaceTag", "Tags");
    SetDefaultOutputParameter("header:InterfaceTag", "<NONE>");
}

std::shared_ptr<IpInterfaceTagGet> IpInterfaceTagGet::New() {
    return std::shared_ptr<IpInterfaceTagGet>(new IpInterfaceTagGet());
}

IpInterfaceTagGet::~IpInterfaceTagGet() = default;

RecordPtr IpInterfaceTagGet::GetOutputStructure() { return RecordTemplate(kRecordName).StringList(kTagsField); }

InputSpecPtr IpInterfaceTagGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "Name of lmxnic whose tags are to be read", true);
    return spec;
}

OutputSpecPtr IpInterfaceTagGet::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void IpInterfaceTagGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    std::string name = input->GetParameter(kInterfaceNameParameter);
    WithPrefixedErrors(output, "Error getting tags on interface " + name + ". Error was : ", [&] {
        LmxCtl::Network::LumexNicInfoImpl info;
        auto nic = FindListedInterface(info, name, output, "Unable to find an interface with name " + name);
        if (!nic) return;
        std::vector<std::string> tags;
        for (auto tag : nic->GetTags()) {
            const char* tagName = LmxCtl::Network::LmxNicTagIdToName(tag);
            tags.push_back(tagName ? tagName : "");
        }
        auto record = GetOutputStructure();
        record->SetField(kTagsField, tags);
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
