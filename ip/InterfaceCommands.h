// Lumex network interface commands: lifecycle, IP settings, IPv6 addresses, tags.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class IpInterfaceAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpInterfaceAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpInterfaceRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpInterfaceRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpInterfaceList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceList();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceList> New();
    virtual ~IpInterfaceList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceSet();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceSet> New();
    virtual ~IpInterfaceSet();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv4Get : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv4Get();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv4Get> New();
    virtual ~IpInterfaceIpv4Get();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv4Set : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv4Set();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv4Set> New();
    virtual ~IpInterfaceIpv4Set();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv6Set : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv6Set();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv6Set> New();
    virtual ~IpInterfaceIpv6Set();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv6Get : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv6Get();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv6Get> New();
    virtual ~IpInterfaceIpv6Get();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv6AddressList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv6AddressList();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv6AddressList> New();
    virtual ~IpInterfaceIpv6AddressList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv6AddressAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv6AddressAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv6AddressAdd> New();
    virtual ~IpInterfaceIpv6AddressAdd();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceIpv6AddressRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceIpv6AddressRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceIpv6AddressRemove> New();
    virtual ~IpInterfaceIpv6AddressRemove();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceTagAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceTagAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceTagAdd> New();
    virtual ~IpInterfaceTagAdd();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceTagRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceTagRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceTagRemove> New();
    virtual ~IpInterfaceTagRemove();
    TALIX_COMMAND_OPERATIONS;
};

class IpInterfaceTagGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpInterfaceTagGet();
    TALIX_LOAD_TIME static std::shared_ptr<IpInterfaceTagGet> New();
    virtual ~IpInterfaceTagGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
