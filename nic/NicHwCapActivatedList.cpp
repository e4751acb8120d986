// network nic hwCap activated list: the hardware capabilities each NIC has activated.
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Settings";
constexpr char kCapsField[] = "Device Hardware Cap Activated";
}  // namespace

NicHwCapActivatedList::NicHwCapActivatedList() {
    SetDescription("List activated hardware capabilities of physical NICs.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Settings", "NIC,Device Hardware Cap Activated");
}

std::shared_ptr<NicHwCapActivatedList> NicHwCapActivatedList::New() {
    return std::make_shared<NicHwCapActivatedList>();
}

NicHwCapActivatedList::~NicHwCapActivatedList() = default;

RecordPtr NicHwCapActivatedList::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNicField).String(kCapsField);
}

InputSpecPtr NicHwCapActivatedList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_LIST, "n",
                 "Limit the output to only the physical NICS with the specified names.", false);
    return spec;
}

OutputSpecPtr NicHwCapActivatedList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicHwCapActivatedList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ListHwCaps(
        input, output, [this] { return GetOutputStructure(); }, kCapsField,
        [](const Kavrel::Network::PnicHwCaps& caps) { return caps.activated; });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
