// network nic set: change a NIC's port, PHY, addresses, wake-on, message level, speed and duplex.
#include "kavrel/Lib.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kPortParameter[] = "port";
constexpr char kPhyAddressParameter[] = "phy-address";
constexpr char kVirtualAddressParameter[] = "virtual-address";
constexpr char kTransceiverParameter[] = "transceiver-type";
constexpr char kWakeOnLanParameter[] = "wake-on-lan";
constexpr char kMessageLevelParameter[] = "message-level";
constexpr char kSpeedParameter[] = "speed";
constexpr char kDuplexParameter[] = "duplex";
constexpr char kAutoParameter[] = "auto";

const int64_t kSpeeds[] = {10,    100,   1000,  2500,  5000,  10000,  20000,  25000,
                           37500, 40000, 50000, 56000, 75000, 100000, 200000, 400000};

// Port type of a port parameter value; false for a value outside the enumeration.
bool PortType(const std::string& value, uint32_t& port) {
    static const char* const values[] = {"tp", "aui", "bnc", "mii", "fibre", "da", "backplane"};
    for (uint32_t i = 0; i < 7; ++i) {
        if (value == values[i]) {
            port = i;
            return true;
        }
    }
    return false;
}

// Wake-on type of a wake-on-lan letter; false for any other letter.
bool WakeOnType(char letter, uint32_t& mode) {
    static const char letters[] = "pumbags";
    for (uint32_t i = 0; i < 7; ++i) {
        if (letter == letters[i]) {
            mode = i;
            return true;
        }
    }
    return false;
}
}  // namespace

NicSet::NicSet() { SetDescription("Set the general options for the specified ethernet device."); }

std::shared_ptr<NicSet> NicSet::New() { return std::shared_ptr<NicSet>(new NicSet()); }

NicSet::~NicSet() = default;

InputSpecPtr NicSet::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_FLAG;
    using Parvik::CallSpec::PARAM_INTEGER;
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, PARAM_STRING, "n",
                 "The name of the NIC to configured. This must be one of the cards listed in the nic list command.",
                 true);
    AddParameter(spec, kPortParameter, PARAM_STRING, "p", "Selects device port. Available device ports are %FULLENUM%",
                 false,
                 StringEnum({{"tp", "Select TP (Twisted Pair) as the device port"},
                             {"aui", "Select AUI (Attachment Unit Interface) as the device port"},
                             {"bnc", "Select BNC (Bayonet Neill-Concelman) as the device port"},
                             {"mii", "Select MII (Media Independent Interface) as the device port"},
                             {"fibre", "Select fibre as the device port"},
                             {"da", "Select DA (Direct Attach copper) as the device port"},
                             {"backplane", "Select Backplane as the device port"}}));
    AddParameter(spec, kPhyAddressParameter, PARAM_INTEGER, "P", "Set the PHY address of the device", false);
    AddParameter(spec, kVirtualAddressParameter, PARAM_STRING, "V", "Set the virtual address of the device", false);
    AddParameter(spec, kTransceiverParameter, PARAM_STRING, "t",
                 "Selects transeiver type. Currently only internal and external can be specified, in the future "
                 "future types might be added. Available transeiver types are %FULLENUM%",
                 false,
                 StringEnum({{"internal", "Set the transceiver type to internal"},
                             {"external", "Set the transceiver type to external"}}));
    AddParameter(spec, kWakeOnLanParameter, PARAM_STRING, "w",
                 "Sets Wake-on-LAN options. Not all devices support this. The argument to this option is a string "
                 "of characters specifying which options to enable. \np Wake on phy activity\nu Wake on unicast "
                 "messages\nm Wake on multicast messages\nb Wake on broadcast messages\na Wake on ARP\ng Wake on "
                 "MagicPacket(tm)\ns Enable SecureOn(tm) password for MagicPacket(tm)\n",
                 false, StringRegex("[pumbagsd]+"));
    AddParameter(spec, kMessageLevelParameter, PARAM_INTEGER, "l",
                 "Sets the driver message level. Meaning differ per driver.", false);
    auto speeds = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_INT_ENUM);
    for (int64_t speed : kSpeeds) speeds->AddIntEnum(speed);
    AddParameter(spec, kSpeedParameter, PARAM_INTEGER, "S",
                 "The speed to set this NIC to, in Mbps. Acceptable values are: %ENUM%", false, speeds);
    AddParameter(spec, kDuplexParameter, PARAM_STRING, "D",
                 "The duplex to set this NIC to. Acceptable values are: %ENUM%", false,
                 StringEnum({{"full", "Set this nic to full duplex"}, {"half", "Set this nic to half duplex"}}));
    AddParameter(spec, kAutoParameter, PARAM_FLAG, "a", "Set the speed and duplexity settings to autonegotiate.",
                 false);
    return spec;
}

OutputSpecPtr NicSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

bool NicSet::GetInfoFromParam(const InputPtr& input, Kavrel::Network::PnicInfo& info) {
    using Kavrel::Lib::KavrelException;
    bool changed = false;
    if (input->HasParameter(kPortParameter)) {
        uint32_t port = 0;
        if (PortType(input->GetParameter(kPortParameter), port) && port != info.port) {
            info.portChanged = true;
            info.port = port;
            changed = true;
        }
    }
    if (input->HasParameter(kPhyAddressParameter)) {
        int64_t phyAddress = input->GetParameterInt(kPhyAddressParameter);
        if (phyAddress > 0) {
            if (phyAddress != info.phyAddress) {
                info.phyAddressChanged = true;
                info.phyAddress = static_cast<int32_t>(phyAddress);
                changed = true;
            }
        } else if (phyAddress != -1) {
            throw KavrelException("Invalid PHY address value.");
        }
    }
    if (input->HasParameter(kVirtualAddressParameter)) {
        const std::string& address = input->GetParameter(kVirtualAddressParameter);
        if (address != info.virtualAddress) {
            info.virtualAddressChanged = true;
            info.virtualAddress = address;
            changed = true;
        }
    }
    if (input->HasParameter(kTransceiverParameter)) {
        uint32_t transceiver = input->GetParameter(kTransceiverParameter) == "external" ? 1 : 0;
        if (transceiver != info.transceiver) {
            info.transceiverChanged = true;
            info.transceiver = transceiver;
            changed = true;
        }
    }
    if (input->HasParameter(kWakeOnLanParameter)) {
        if (!info.supportsWakeOn) throw KavrelException("Not Support wol.");
        info.wakeOnChanged = true;
        info.wakeOnModes.clear();
        for (char letter : input->GetParameter(kWakeOnLanParameter)) {
            uint32_t mode = 0;
            if (!WakeOnType(letter, mode)) throw KavrelException("Invalid wol value.");
            info.wakeOnModes.push_back(mode);
        }
        changed = true;
    }
    if (input->HasParameter(kMessageLevelParameter)) {
        if (!info.supportsMessageLevel) throw KavrelException("Not Support msglvl.");
        auto level = Uint32Parameter(input, kMessageLevelParameter);
        if (level != info.messageLevel) {
            info.messageLevelChanged = true;
            info.messageLevel = level;
            changed = true;
        }
    }
    return changed;
}

void NicSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kNicNameParameter);
        bool hasSpeed = input->HasParameter(kSpeedParameter);
        bool hasDuplex = input->HasParameter(kDuplexParameter);
        bool autoSet = input->IsFlagSet(kAutoParameter);
        if (hasSpeed != hasDuplex) {
            output->AddErrorMessage("The --speed and --duplex options must be specified together");
            return;
        }
        if (autoSet && hasSpeed) {
            output->AddErrorMessage("The options --speed and --duplex cannot be specified with the --auto option.");
            return;
        }
        bool linkChange = hasSpeed || autoSet;
        auto pnic = FindNic(name, output, NoPnicMessage(name));
        if (!pnic) return;
        Kavrel::Network::PnicInfo info;
        pnic->GetPnicInfo(info);
        bool changed = GetInfoFromParam(input, info);
        if (!changed && !linkChange) {
            output->AddErrorMessage("There is no change for nic " + name);
            return;
        }
        if (changed) pnic->SetPnicInfo(info);
        if (hasSpeed) {
            uint32_t duplex = input->GetParameter(kDuplexParameter) == "full" ? 1 : 2;
            pnic->SetSpeedDuplex(Uint32Parameter(input, kSpeedParameter), duplex);
        } else if (autoSet) {
            pnic->SetSpeedDuplex(0, 0);
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
