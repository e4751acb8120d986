// A NIC's DCB state on a Linux host, over the kernel's dcbnl (rtnetlink).
// A driver without DCB refuses each query with the kernel's reason.
#include <libmnl/libmnl.h>
#include <linux/dcbnl.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstring>

#include "core/Netlink.h"
#include "kavrel/Lib.h"
#include "lmxctl/DcbInfoImpl.h"
#include "nic/NicHost.h"

namespace LmxCtl {
namespace Network {

namespace {

// One dcbnl query; onAnswer gets the answer's attributes. A refusal becomes
// "Cannot read the DCB WHAT of NAME: REASON".
void AskDcb(const std::string& nic, uint8_t command, const char* what, uint16_t nestType, uint16_t allType,
            const std::function<void(const LinuxHost::Attributes&)>& onAnswer) {
    LinuxHost::NetlinkRequest request(RTM_GETDCB, NLM_F_REQUEST);
    auto* header = request.Put<dcbmsg>();
    header->dcb_family = AF_UNSPEC;
    header->cmd = command;
    request.PutString(DCB_ATTR_IFNAME, nic);
    if (nestType) {
        nlattr* nest = request.BeginNest(nestType);
        request.PutBytes(allType, nullptr, 0);
        request.EndNest(nest);
    }
    try {
        LinuxHost::NetlinkSocket(NETLINK_ROUTE).Talk(request, [&](const nlmsghdr* message) {
            LinuxHost::Attributes attributes(DCB_ATTR_MAX);
            attributes.Parse(message, sizeof(dcbmsg));
            onAnswer(attributes);
        });
    } catch (const Kavrel::Lib::KavrelException& error) {
        throw Kavrel::Lib::KavrelException("Cannot read the DCB " + std::string(what) + " of " + nic + ": " +
                                           error.what());
    }
}

template <typename Value>
Value Payload(const nlattr* attribute) {
    Value value{};
    if (attribute) {
        std::memcpy(&value, mnl_attr_get_payload(attribute),
                    std::min<size_t>(sizeof value, mnl_attr_get_payload_len(attribute)));
    }
    return value;
}

// The IEEE attributes of one NIC: ETS, PFC and the application table.
void AskIeee(const std::string& nic, const char* what, const std::function<void(const LinuxHost::Attributes&)>& use) {
    AskDcb(nic, DCB_CMD_IEEE_GET, what, 0, 0, [&](const LinuxHost::Attributes& answer) {
        LinuxHost::Attributes ieee(DCB_ATTR_IEEE_MAX);
        ieee.ParseNested(answer[DCB_ATTR_IEEE]);
        use(ieee);
    });
}

const char* SelectorName(uint8_t selector) {
    switch (selector) {
    case IEEE_8021QAZ_APP_SEL_ETHERTYPE: return "Ethertype";
    case IEEE_8021QAZ_APP_SEL_STREAM: return "TCP/SCTP port";
    case IEEE_8021QAZ_APP_SEL_DGRAM: return "UDP/DCCP port";
    case IEEE_8021QAZ_APP_SEL_ANY: return "TCP/SCTP/UDP/DCCP port";
    case IEEE_8021QAZ_APP_SEL_DSCP: return "DSCP";
    default: return "Unknown";
    }
}

}  // namespace

DcbInfoImpl::DcbInfoImpl(const std::string& nicName) : nicName_(nicName) { LinuxHost::RequireNic(nicName); }

DcbInfoImpl::~DcbInfoImpl() = default;

uint32_t DcbInfoImpl::GetMode() const {
    uint8_t dcbx = 0;
    AskDcb(nicName_, DCB_CMD_GDCBX, "mode", 0, 0, [&](const auto& a) { dcbx = a.U8(DCB_ATTR_DCBX); });
    if (dcbx & DCB_CAP_DCBX_VER_IEEE) return 3;
    if (dcbx & DCB_CAP_DCBX_VER_CEE) return 2;
    return 0;
}

bool DcbInfoImpl::IsEnabled() const {
    bool enabled = false;
    AskDcb(nicName_, DCB_CMD_GSTATE, "state", 0, 0, [&](const auto& a) { enabled = a.U8(DCB_ATTR_STATE) != 0; });
    return enabled;
}

Kavrel::Network::DcbCapabilities DcbInfoImpl::GetCapabilities() const {
    Kavrel::Network::DcbCapabilities capabilities;
    AskDcb(nicName_, DCB_CMD_GCAP, "capabilities", DCB_ATTR_CAP, DCB_CAP_ATTR_ALL, [&](const auto& answer) {
        LinuxHost::Attributes cap(DCB_CAP_ATTR_MAX);
        cap.ParseNested(answer[DCB_ATTR_CAP]);
        capabilities.priorityGroup = cap.U8(DCB_CAP_ATTR_PG) != 0;
        capabilities.priorityFlowControl = cap.U8(DCB_CAP_ATTR_PFC) != 0;
        capabilities.upToTcMap = cap.U8(DCB_CAP_ATTR_UP2TC) != 0;
        capabilities.pgTrafficClasses = cap.U8(DCB_CAP_ATTR_PG_TCS);
        capabilities.pfcTrafficClasses = cap.U8(DCB_CAP_ATTR_PFC_TCS);
    });
    return capabilities;
}

bool DcbInfoImpl::IsPfcEnabled() const {
    bool enabled = false;
    AskDcb(nicName_, DCB_CMD_PFC_GSTATE, "PFC state", 0, 0,
           [&](const auto& a) { enabled = a.U8(DCB_ATTR_PFC_STATE) != 0; });
    return enabled;
}

uint8_t DcbInfoImpl::GetPfcConfig() const {
    uint8_t mask = 0;
    AskDcb(nicName_, DCB_CMD_PFC_GCFG, "PFC configuration", DCB_ATTR_PFC_CFG, DCB_PFC_UP_ATTR_ALL,
           [&](const auto& answer) {
               LinuxHost::Attributes pfc(DCB_PFC_UP_ATTR_MAX);
               pfc.ParseNested(answer[DCB_ATTR_PFC_CFG]);
               for (uint16_t i = 0; i < 8; ++i) {
                   if (pfc.U8(DCB_PFC_UP_ATTR_0 + i) != 0) mask |= 1u << i;
               }
           });
    return mask;
}

Kavrel::Network::DcbIeeeEtsConfig DcbInfoImpl::GetIeeeEtsConfig() const {
    Kavrel::Network::DcbIeeeEtsConfig config;
    AskIeee(nicName_, "ETS configuration", [&](const LinuxHost::Attributes& ieee) {
        const auto ets = Payload<ieee_ets>(ieee[DCB_ATTR_IEEE_ETS]);
        config.willing = ets.willing;
        config.supportedCapacity = ets.ets_cap;
        config.creditBasedShaper = ets.cbs ? "true" : "false";
        std::memcpy(config.txBandwidth, ets.tc_tx_bw, 8);
        std::memcpy(config.rxBandwidth, ets.tc_rx_bw, 8);
        std::memcpy(config.tsaTable, ets.tc_tsa, 8);
        std::memcpy(config.priorityAssignment, ets.prio_tc, 8);
        std::memcpy(config.recommendedBandwidth, ets.tc_reco_bw, 8);
        std::memcpy(config.recommendedTsa, ets.tc_reco_tsa, 8);
        std::memcpy(config.recommendedPriority, ets.reco_prio_tc, 8);
    });
    return config;
}

Kavrel::Network::DcbIeeePfcConfig DcbInfoImpl::GetIeeePfcConfig() const {
    Kavrel::Network::DcbIeeePfcConfig config;
    AskIeee(nicName_, "PFC configuration", [&](const LinuxHost::Attributes& ieee) {
        const auto pfc = Payload<ieee_pfc>(ieee[DCB_ATTR_IEEE_PFC]);
        config.trafficClasses = pfc.pfc_cap;
        config.pfcMask = pfc.pfc_en;
        config.macsecBypass = pfc.mbc;
        config.delay = static_cast<uint8_t>(pfc.delay);
        for (int i = 0; i < 8; ++i) {
            config.sentFrames[i] = static_cast<uint8_t>(pfc.requests[i]);
            config.receivedFrames[i] = static_cast<uint8_t>(pfc.indications[i]);
        }
    });
    return config;
}

std::vector<Kavrel::Network::DcbAppInfo> DcbInfoImpl::GetAppInfo() const {
    std::vector<Kavrel::Network::DcbAppInfo> apps;
    AskIeee(nicName_, "application priorities", [&](const LinuxHost::Attributes& ieee) {
        const nlattr* table = ieee[DCB_ATTR_IEEE_APP_TABLE];
        if (!table) return;
        for (auto* entry = static_cast<const nlattr*>(mnl_attr_get_payload(table)); mnl_attr_ok(
                 entry, static_cast<int>(static_cast<const char*>(mnl_attr_get_payload(table)) +
                                         mnl_attr_get_payload_len(table) - reinterpret_cast<const char*>(entry)));
             entry = mnl_attr_next(entry)) {
            if (mnl_attr_get_type(entry) != DCB_ATTR_IEEE_APP) continue;
            const auto app = Payload<dcb_app>(entry);
            char protocol[16];
            std::snprintf(protocol, sizeof protocol, "0x%04x", app.protocol);
            apps.push_back({SelectorName(app.selector), protocol, std::to_string(app.priority)});
        }
    });
    return apps;
}

}  // namespace Network
}  // namespace LmxCtl
