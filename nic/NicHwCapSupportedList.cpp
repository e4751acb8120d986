// network nic hwCap supported list: the hardware capabilities each NIC has supported.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Settings";
constexpr char kCapsField[] = "Device Hardware Cap Supported";
}  // namespace

NicHwCapSupportedList::NicHwCapSupportedList() {
    SetDescription("List supported hardware capabilities of physical NICs.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Settings", "NIC,Device Hardware Cap Supported");
}

std::shared_ptr<NicHwCapSupportedList> NicHwCapSupportedList::New() {
    return std::make_shared<NicHwCapSupportedList>();
}

NicHwCapSupportedList::~NicHwCapSupportedList() = default;

RecordPtr NicHwCapSupportedList::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNicField).String(kCapsField);
}

InputSpecPtr NicHwCapSupportedList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_LIST, "n",
                 "Limit the output to only the physical NICS with the specified names.", false);
    return spec;
}

OutputSpecPtr NicHwCapSupportedList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicHwCapSupportedList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListHwCaps(
        input, output, [this] { return GetOutputStructure(); }, kCapsField,
        [](const Kavrel::Network::PnicHwCaps& caps) { return caps.supported; });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
