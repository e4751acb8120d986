// Lumex network interface commands: lifecycle, IP settings, IPv6 addresses, tags.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class IpInterfaceAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceAdd);
};

class IpInterfaceRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceRemove);
};

class IpInterfaceList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpInterfaceSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceSet);
};

class IpInterfaceIpv4Get : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv4Get);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpInterfaceIpv4Set : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv4Set);
};

class IpInterfaceIpv6Set : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv6Set);
};

class IpInterfaceIpv6Get : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv6Get);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpInterfaceIpv6AddressList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv6AddressList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class IpInterfaceIpv6AddressAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv6AddressAdd);
};

class IpInterfaceIpv6AddressRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceIpv6AddressRemove);
};

class IpInterfaceTagAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceTagAdd);
};

class IpInterfaceTagRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceTagRemove);
};

class IpInterfaceTagGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(IpInterfaceTagGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
