// The host's network inventory, as handed out by the host and the network
// factory. Its operations are grouped by the part of the host they read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/Datapath.h"
#include "kavrel/IpStack.h"
#include "kavrel/Pnic.h"

namespace Kavrel {
namespace Network {

class NetworkInfo {
public:
    NetworkInfo();
    virtual ~NetworkInfo();

    // --- netstack instances, connections and the host-wide IPv6 switch
    std::vector<std::shared_ptr<NetstackInstance>> ListNetstackInstances();
    std::shared_ptr<NetstackInstance> LookupNetstackInstanceByKey(const std::string& key);  // none when absent
    void AddNetstackInstance(const NetstackInstance& instance, bool disabled);
    void RemoveNetstackInstance(const std::string& key, bool force);
    void GetCurrentTcpLumexConnections(std::vector<TcpIpConnection>& connections, const std::string& netstack);
    void GetCurrentUdpLumexConnections(std::vector<TcpIpConnection>& connections, const std::string& netstack);
    void GetCurrentIpLumexConnections(std::vector<TcpIpConnection>& connections, const std::string& netstack);
    bool IsLmxIpv6Enabled();
    void SetLmxIpv6Enabled(bool enabled);
    // The instances the host dedicates to one kind of traffic ("travex", "faultTolerance", "CeldraProvisioning").
    std::vector<std::string> GetPredefinedNetstackNames();
    // The instance's state (NETSTACK_STATE_ENABLED when it exists in the kernel); 0 when unknown.
    int GetNetstackState(const std::string& key);

    // --- interface inventory and multicast memberships
    std::unique_ptr<InterfaceInventory> GetInterfaceInventory();

    // --- physical NICs
    std::vector<std::unique_ptr<Pnic>> GetPnics(int type);         // a PnicGetType
    std::unique_ptr<Pnic> GetPnicByName(const std::string& name);  // none when unknown

    // --- port groups
    // Port groups of the standard switches of that PortsetGetType, switch by
    // switch (PortGroup is declared in kavrel/Portset.h).
    std::vector<std::unique_ptr<class PortGroup>> GetAllPortGroups(int type);

    // --- SR-IOV NICs
    std::vector<std::unique_ptr<SriovNic>> GetSriovNics();
    std::unique_ptr<SriovNic> GetSriovNicByName(const std::string& name);  // none when not SR-IOV capable
    std::vector<SriovNicVFInfo> GetSriovNicVFInfo(const std::string& name);
    void GetSriovNicVFStats(const std::string& name, int64_t vfId, SriovNicVFStats& stats);

    // --- ENS logical cores ("null" as switch name: no switch)
    void CreateEnsLcore(int64_t lcoreId);
    void DestroyEnsLcore(int64_t lcoreId);
    std::vector<int64_t> GetEnsLcores();
    std::string GetEnsLcoreSwitch(int64_t lcoreId);
    int64_t GetEnsLcoreAffinity(int64_t lcoreId);
    void SetEnsLcoreSwitch(const std::string& switchName, int64_t lcoreId);
    void SetEnsLcoreAffinity(int64_t affinity, int64_t lcoreId);
    int64_t GetEnsMaxLcores();
    void SetEnsMaxLcores(int64_t count);
};

}  // namespace Network
}  // namespace Kavrel
