// Host IP stack commands: DNS, routes, neighbours, connections, netstacks, hosts table, IPsec.
#pragma once

#include <memory>

#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class IpGet : public virtual Parvik::AutoCli::Command {
public:
    IpGet();
    static std::shared_ptr<IpGet> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpGet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpSet : public virtual Parvik::AutoCli::Command {
public:
    IpSet();
    static std::shared_ptr<IpSet> New();
    virtual ~IpSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpNeighborList : public virtual Parvik::AutoCli::Command {
public:
    IpNeighborList();
    static std::shared_ptr<IpNeighborList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpNeighborList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpNeighborRemove : public virtual Parvik::AutoCli::Command {
public:
    IpNeighborRemove();
    static std::shared_ptr<IpNeighborRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNeighborRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpConnectionList : public virtual Parvik::AutoCli::Command {
public:
    IpConnectionList();
    static std::shared_ptr<IpConnectionList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~IpConnectionList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpDNSServerList : public virtual Parvik::AutoCli::Command {
public:
    IpDNSServerList();
    static std::shared_ptr<IpDNSServerList> New();
    virtual ~IpDNSServerList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpDNSServerAdd : public virtual Parvik::AutoCli::Command {
public:
    IpDNSServerAdd();
    static std::shared_ptr<IpDNSServerAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSServerAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSServerRemove : public virtual Parvik::AutoCli::Command {
public:
    IpDNSServerRemove();
    static std::shared_ptr<IpDNSServerRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSServerRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchAdd : public virtual Parvik::AutoCli::Command {
public:
    IpDNSSearchAdd();
    static std::shared_ptr<IpDNSSearchAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSSearchAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchRemove : public virtual Parvik::AutoCli::Command {
public:
    IpDNSSearchRemove();
    static std::shared_ptr<IpDNSSearchRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpDNSSearchRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpDNSSearchList : public virtual Parvik::AutoCli::Command {
public:
    IpDNSSearchList();
    static std::shared_ptr<IpDNSSearchList> New();
    virtual ~IpDNSSearchList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpRouteIpv4Add : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv4Add();
    static std::shared_ptr<IpRouteIpv4Add> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv4Add();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv4Remove : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv4Remove();
    static std::shared_ptr<IpRouteIpv4Remove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv4Remove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv4List : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv4List();
    static std::shared_ptr<IpRouteIpv4List> New();
    virtual ~IpRouteIpv4List();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpRouteIpv6Add : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv6Add();
    static std::shared_ptr<IpRouteIpv6Add> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv6Add();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv6Remove : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv6Remove();
    static std::shared_ptr<IpRouteIpv6Remove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpRouteIpv6Remove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpRouteIpv6List : public virtual Parvik::AutoCli::Command {
public:
    IpRouteIpv6List();
    static std::shared_ptr<IpRouteIpv6List> New();
    virtual ~IpRouteIpv6List();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpIpsecSAAdd : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSAAdd();
    static std::shared_ptr<IpIpsecSAAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSAAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSARemove : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSARemove();
    static std::shared_ptr<IpIpsecSARemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSARemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSAList : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSAList();
    static std::shared_ptr<IpIpsecSAList> New();
    virtual ~IpIpsecSAList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpIpsecSPAdd : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSPAdd();
    static std::shared_ptr<IpIpsecSPAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSPAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSPRemove : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSPRemove();
    static std::shared_ptr<IpIpsecSPRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpIpsecSPRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpIpsecSPList : public virtual Parvik::AutoCli::Command {
public:
    IpIpsecSPList();
    static std::shared_ptr<IpIpsecSPList> New();
    virtual ~IpIpsecSPList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpNetstackInstanceList : public virtual Parvik::AutoCli::Command {
public:
    IpNetstackInstanceList();
    static std::shared_ptr<IpNetstackInstanceList> New();
    virtual ~IpNetstackInstanceList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpNetstackInstanceAdd : public virtual Parvik::AutoCli::Command {
public:
    IpNetstackInstanceAdd();
    static std::shared_ptr<IpNetstackInstanceAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNetstackInstanceAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpNetstackInstanceRemove : public virtual Parvik::AutoCli::Command {
public:
    IpNetstackInstanceRemove();
    static std::shared_ptr<IpNetstackInstanceRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~IpNetstackInstanceRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class IpNetstackInstanceGet : public virtual Parvik::AutoCli::Command {
public:
    IpNetstackInstanceGet();
    static std::shared_ptr<IpNetstackInstanceGet> New();
    virtual ~IpNetstackInstanceGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpNetstackInstanceSet : public virtual Parvik::AutoCli::Command {
public:
    IpNetstackInstanceSet();
    static std::shared_ptr<IpNetstackInstanceSet> New();
    virtual ~IpNetstackInstanceSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpHostsList : public Parvik::AutoCli::Command {
public:
    IpHostsList();
    static std::shared_ptr<IpHostsList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~IpHostsList() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpHostsAdd : public Parvik::AutoCli::Command {
public:
    IpHostsAdd();
    static std::shared_ptr<IpHostsAdd> New();
    ~IpHostsAdd() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class IpHostsRemove : public Parvik::AutoCli::Command {
public:
    IpHostsRemove();
    static std::shared_ptr<IpHostsRemove> New();
    ~IpHostsRemove() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
