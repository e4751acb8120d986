// Host IP stack commands: DNS, routes, neighbours, connections, netstacks, hosts table, IPsec.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class IpGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpSet);
};

class IpNeighborList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNeighborList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpNeighborRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNeighborRemove);
};

class IpConnectionList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpConnectionList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpDNSServerList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSServerList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpDNSServerAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSServerAdd);
};

class IpDNSServerRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSServerRemove);
};

class IpDNSSearchAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSSearchAdd);
};

class IpDNSSearchRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSSearchRemove);
};

class IpDNSSearchList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpDNSSearchList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpRouteIpv4Add : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv4Add);
};

class IpRouteIpv4Remove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv4Remove);
};

class IpRouteIpv4List : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv4List);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpRouteIpv6Add : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv6Add);
};

class IpRouteIpv6Remove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv6Remove);
};

class IpRouteIpv6List : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpRouteIpv6List);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpIpsecSAAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSAAdd);
};

class IpIpsecSARemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSARemove);
};

class IpIpsecSAList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSAList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpIpsecSPAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSPAdd);
};

class IpIpsecSPRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSPRemove);
};

class IpIpsecSPList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpIpsecSPList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpNetstackInstanceList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNetstackInstanceList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpNetstackInstanceAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNetstackInstanceAdd);
};

class IpNetstackInstanceRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNetstackInstanceRemove);
};

class IpNetstackInstanceGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNetstackInstanceGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpNetstackInstanceSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpNetstackInstanceSet);
};

class IpHostsList : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpHostsList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpHostsAdd : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpHostsAdd);
};

class IpHostsRemove : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpHostsRemove);
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
