// Host IP stack commands: DNS, routes, neighbours, connections, netstacks, hosts table, IPsec.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class IpGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpGet();
    TALIX_LOAD_TIME static std::shared_ptr<IpGet> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpGet();
    TALIX_COMMAND_OPERATIONS;
};

class IpSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpSet();
    TALIX_LOAD_TIME static std::shared_ptr<IpSet> New();
    virtual ~IpSet();
    TALIX_COMMAND_OPERATIONS;
};

class IpNeighborList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNeighborList();
    TALIX_LOAD_TIME static std::shared_ptr<IpNeighborList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpNeighborList();
    TALIX_COMMAND_OPERATIONS;
};

class IpNeighborRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNeighborRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpNeighborRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNeighborRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpConnectionList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpConnectionList();
    TALIX_LOAD_TIME static std::shared_ptr<IpConnectionList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpConnectionList();
    TALIX_COMMAND_OPERATIONS;
};

class IpDNSServerList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSServerList();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSServerList> New();
    virtual ~IpDNSServerList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpDNSServerAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSServerAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSServerAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSServerAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSServerRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSServerRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSServerRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSServerRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSSearchAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSSearchAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSSearchAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSSearchRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSSearchRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSSearchRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpDNSSearchList();
    TALIX_LOAD_TIME static std::shared_ptr<IpDNSSearchList> New();
    virtual ~IpDNSSearchList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpRouteIpv4Add : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv4Add();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv4Add> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv4Add();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv4Remove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv4Remove();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv4Remove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv4Remove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv4List : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv4List();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv4List> New();
    virtual ~IpRouteIpv4List();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpRouteIpv6Add : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv6Add();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv6Add> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv6Add();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv6Remove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv6Remove();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv6Remove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv6Remove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv6List : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpRouteIpv6List();
    TALIX_LOAD_TIME static std::shared_ptr<IpRouteIpv6List> New();
    virtual ~IpRouteIpv6List();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpIpsecSAAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSAAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSAAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSAAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSARemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSARemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSARemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSARemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSAList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSAList();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSAList> New();
    virtual ~IpIpsecSAList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpIpsecSPAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSPAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSPAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSPAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSPRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSPRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSPRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSPRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSPList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpIpsecSPList();
    TALIX_LOAD_TIME static std::shared_ptr<IpIpsecSPList> New();
    virtual ~IpIpsecSPList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpNetstackInstanceList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNetstackInstanceList();
    TALIX_LOAD_TIME static std::shared_ptr<IpNetstackInstanceList> New();
    virtual ~IpNetstackInstanceList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpNetstackInstanceAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNetstackInstanceAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpNetstackInstanceAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNetstackInstanceAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpNetstackInstanceRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNetstackInstanceRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpNetstackInstanceRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNetstackInstanceRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpNetstackInstanceGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNetstackInstanceGet();
    TALIX_LOAD_TIME static std::shared_ptr<IpNetstackInstanceGet> New();
    virtual ~IpNetstackInstanceGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class IpNetstackInstanceSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpNetstackInstanceSet();
    TALIX_LOAD_TIME static std::shared_ptr<IpNetstackInstanceSet> New();
    virtual ~IpNetstackInstanceSet();
    TALIX_COMMAND_OPERATIONS;
};

class IpHostsList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpHostsList();
    TALIX_LOAD_TIME static std::shared_ptr<IpHostsList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~IpHostsList() override;
    TALIX_COMMAND_OPERATIONS;
};

class IpHostsAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpHostsAdd();
    TALIX_LOAD_TIME static std::shared_ptr<IpHostsAdd> New();
    ~IpHostsAdd() override;
    TALIX_COMMAND_OPERATIONS;
};

class IpHostsRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW IpHostsRemove();
    TALIX_LOAD_TIME static std::shared_ptr<IpHostsRemove> New();
    ~IpHostsRemove() override;
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
