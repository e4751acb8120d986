// Implementation objects of the host's IP stacks: routing, resolver, netstack
// instances, IPsec, the hosts table and world names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/Address.h"
#include "kavrel/IpSec.h"
#include "kavrel/IpStack.h"

namespace LmxCtl {
namespace Network {

extern const char* const kDefaultNetstackKey;  // "defaultTcpipStack"

// Routes, default gateways and neighbour tables of one netstack instance.
class RoutingInfoImpl {
public:
    static const Kavrel::Network::Ipv4Network DEFAULT_IPV4_ROUTE;  // 0.0.0.0/0
    static const Kavrel::Network::Ipv6Network DEFAULT_IPV6_ROUTE;  // ::/0

    struct Ipv4Route {
        Kavrel::Network::Ipv4Network network;
        Kavrel::Network::Ipv4Address gateway;
        std::string interfaceName;
    };
    struct Ipv6Route {
        Kavrel::Network::Ipv6Network network;
        Kavrel::Network::Ipv6Address gateway;
        std::string interfaceName;
    };

    explicit RoutingInfoImpl(const std::string& netstackKey);
    ~RoutingInfoImpl();

    void SetNetstackInstanceKey(const std::string& key);
    const std::string& GetNetstackInstanceKey() const { return key_; }
    // Marks cached gateways stale; the next query reads the host again.
    void Refresh();

    // A route to the default network sets the default gateway.
    void AddLumexRoute(const Kavrel::Network::Ipv4Network& network, const Kavrel::Network::Ipv4Address& gateway);
    void RemoveLumexRoute(const Kavrel::Network::Ipv4Network& network, const Kavrel::Network::Ipv4Address& gateway);
    void AddIpv6LumexRoute(const Kavrel::Network::Ipv6Network& network, const Kavrel::Network::Ipv6Address& gateway);
    void RemoveIpv6LumexRoute(const Kavrel::Network::Ipv6Network& network, const Kavrel::Network::Ipv6Address& gateway);

    // Live and configured default gateways; 0.0.0.0 / "::" when none.
    Kavrel::Network::Ipv4Address GetLumexDefaultGateway();
    Kavrel::Network::Ipv4Address GetLumexConfigDefaultGateway();
    // persistOnly: change only the configuration kept across restarts.
    void SetLumexDefaultGateway(const Kavrel::Network::Ipv4Address& gateway, bool persistOnly);
    Kavrel::Network::Ipv6Address GetIpv6LumexDefaultGateway();
    Kavrel::Network::Ipv6Address GetIpv6LumexConfigDefaultGateway();
    void SetIpv6LumexDefaultGateway(const Kavrel::Network::Ipv6Address& gateway);

    // kind: a Kavrel::Network::PortsetGetType.
    std::vector<Ipv4Route> GetCurrentLumexRoutes(int kind);
    std::vector<Ipv6Route> GetCurrentIpv6LumexRoutes(int kind);
    // Where the default gateway came from ("DHCP" or "MANUAL"); "N/A" for other networks.
    std::string GetDefaultGatewaySource(const Kavrel::Network::Ipv4Network& network);

    // An empty interface name lists every interface of the instance.
    void GetCurrentIpv4LumexNeighbors(std::vector<Kavrel::Network::Ipv4Neighbor>& neighbors,
                                      const std::string& interfaceName, int kind);
    void GetCurrentIpv6LumexNeighbors(std::vector<Kavrel::Network::Ipv6Neighbor>& neighbors,
                                      const std::string& interfaceName, int kind);
    std::string GetIpv4NeighborType(const Kavrel::Network::Ipv4Neighbor& neighbor);
    std::string GetIpv6NeighborState(const Kavrel::Network::Ipv6Neighbor& neighbor);
    std::string GetIpv6NeighborType(const Kavrel::Network::Ipv6Neighbor& neighbor);
    // An empty interface name removes the address from every interface of the instance.
    void RemoveIpv4Neighbor(const Kavrel::Network::Ipv4Neighbor& neighbor);
    void RemoveIpv6Neighbor(const Kavrel::Network::Ipv6Neighbor& neighbor);

private:
    std::string key_;
};

// The resolver configuration (name servers, search domains) of one netstack.
class DnsConfigImpl {
public:
    // Throws Kavrel::Lib::KavrelException when the instance does not exist.
    explicit DnsConfigImpl(const std::string& netstackKey);
    ~DnsConfigImpl();

    void Refresh();
    bool IsStale() const { return stale_; }
    const std::vector<Kavrel::Network::IpAddress>& GetNameServers();

    // Changes are kept in this object until SaveConfig.
    void AddUserNameServer(const Kavrel::Network::IpAddress& address);
    void RemoveNameServer(const Kavrel::Network::IpAddress& address);
    void RemoveNameServers();
    void AddUserSearchDomain(const std::string& domain);
    void RemoveSearchDomain(const std::string& domain);
    std::string GetSearchDomainsString();  // blank separated
    void SaveConfig();

    // Where an instance keeps its resolver file, relative to the host root.
    static std::string ResolverPath(const std::string& netstackKey);

private:
    std::string key_;
    bool stale_ = true;
    std::vector<Kavrel::Network::IpAddress> nameServers_;
    std::vector<std::string> searchDomains_;
    std::vector<std::string> otherLines_;  // options and comments, kept as they are
};

// A netstack instance, as read from the host or built for creation.
class NetstackInstanceImpl : public Kavrel::Network::NetstackInstance {
public:
    // A new instance: key, maximum connections, congestion-control algorithm,
    // IPv6 enabled, instance type (2: a user instance), ECN status.
    NetstackInstanceImpl(const std::string& key, int maxConnections, const std::string& ccAlgorithm, bool ipv6Enabled,
                         int type, const std::string& ecnStatus);
    // An existing instance of the host.
    explicit NetstackInstanceImpl(const std::string& key);
    ~NetstackInstanceImpl() override;

    static std::vector<std::string> GetCongestionControlAlgorithmList();

    std::string GetKey() const override { return key_; }
    std::string GetName() const override;
    int GetState() const override;
    int GetMaxConnections() const override;
    int GetCurrentMaxConnections() const override;
    std::string GetCongestionControlAlgorithm() const override;
    bool GetIpv6Enabled() const override;
    bool GetCurrentIpv6Enabled() const override;
    std::string GetEcnStatus() const override;
    int GetType() const { return type_; }

    void SetName(const std::string& name, bool apply) override;
    void Enable(bool apply) override;
    void Disable(bool apply) override;
    void SetMaxConnections(int maxConnections, bool apply) override;
    void SetCongestionControlAlgorithm(const std::string& algorithm, bool apply) override;
    void SetIpv6Enabled(bool enabled, bool apply) override;
    void SetEcnStatus(const std::string& status) override;

private:
    std::string key_;
    // Values of an instance not yet created.
    bool detached_ = false;
    int maxConnections_ = 0;
    std::string ccAlgorithm_;
    bool ipv6Enabled_ = true;
    int type_ = 2;
    std::string ecnStatus_;
};

// The IPv6 IPsec databases of the host.
class IpSecConfigImpl {
public:
    IpSecConfigImpl();
    ~IpSecConfigImpl();

    // Word converters; the empty word takes the default of its kind. Unknown
    // words throw Kavrel::Lib::KavrelException.
    static Kavrel::Network::IpSecMode StringToIpSecMode(const std::string& word);
    static Kavrel::Network::IpSecEncryptAlgo StringToIpSecEncyptAlgo(const std::string& word);
    static Kavrel::Network::IpSecAuthAlgo StringToIpSecAuthAlgo(const std::string& word);
    static Kavrel::Network::IpSecULProto StringToIpSecULProtoType(const std::string& word);
    static Kavrel::Network::IpSecDirection StringToIpSecDirection(const std::string& word);
    static Kavrel::Network::IpSecAction StringToIpSecAction(const std::string& word);
    static std::string IpSecModeToString(Kavrel::Network::IpSecMode mode);
    static std::string IpSecEncryptAlgoToString(Kavrel::Network::IpSecEncryptAlgo algorithm);
    static std::string IpSecAuthAlgoToString(Kavrel::Network::IpSecAuthAlgo algorithm);
    static std::string IpSecULProtoToString(Kavrel::Network::IpSecULProto protocol);
    static std::string IpSecDirectionToString(Kavrel::Network::IpSecDirection direction);
    static std::string IpSecActionToString(Kavrel::Network::IpSecAction action);

    void AddSADConfig(const Kavrel::Network::IpSecSadParam& param);
    void GetSADConfigList(std::vector<Kavrel::Network::IpSecSadParam>& list);
    void RemoveSADConfig(const std::string& name);
    // Source, destination and SPI select the automatically negotiated SA.
    void RemoveAutoSADConfig(const Kavrel::Network::IpSecSadParam& param);
    void FlushSADConfig();
    void AddSPDConfig(const Kavrel::Network::IpSecSpdParam& param);
    void GetSPDConfigList(std::vector<Kavrel::Network::IpSecSpdParam>& list);
    void RemoveSPDConfig(const std::string& name);
    void FlushSPDConfig();
};

// One user entry of the hosts table.
class HostsFileEntry {
public:
    HostsFileEntry(std::string ipAddress, std::string hostName, std::vector<std::string> aliases, std::string comment);
    const std::string& GetIpAddress() const { return ipAddress_; }
    const std::string& GetHostName() const { return hostName_; }
    const std::vector<std::string>& GetAliases() const { return aliases_; }
    const std::string& GetComment() const { return comment_; }

private:
    std::string ipAddress_;
    std::string hostName_;
    std::vector<std::string> aliases_;
    std::string comment_;
};

// The host's static name table (etc/hosts); only user entries are offered.
class HostsFile {
public:
    HostsFile();
    ~HostsFile();

    std::vector<std::shared_ptr<HostsFileEntry>> GetEntriesFromConfig();
    void AddEntryFromUser(const std::string& ip, const std::string& hostName, const std::vector<std::string>& aliases,
                          const std::string& comment);
    void RemoveEntryFromUser(const std::string& ip, const std::string& hostName);

    static const char* const kPath;  // "etc/hosts"
};

}  // namespace Network

namespace Resource {

// Worlds (processes and VMs) of the host.
class ResourceInfoImpl {
public:
    ResourceInfoImpl();
    ~ResourceInfoImpl();
    // The world's name; empty for a world that no longer exists.
    std::string GetWorldName(int64_t worldId);
};

}  // namespace Resource
}  // namespace LmxCtl
