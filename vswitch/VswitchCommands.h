// Virtual switch commands: standard switches, port groups, policies, distributed switches, LACP.
#pragma once

#include <memory>
#include <vector>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace Kavrel {
namespace Network {
class DVPort;
}  // namespace Network
}  // namespace Kavrel

namespace NorvaleCli {
namespace NetworkNamespace {

class VirtualSwitchStandardAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardAdd();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardAdd> New();
    virtual ~VirtualSwitchStandardAdd();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardSet> New();
    virtual ~VirtualSwitchStandardSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardList();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardList> New();
    virtual ~VirtualSwitchStandardList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardRemove();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardRemove> New();
    virtual ~VirtualSwitchStandardRemove();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardUplinkAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardUplinkAdd();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardUplinkAdd> New();
    virtual ~VirtualSwitchStandardUplinkAdd();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardUplinkRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardUplinkRemove();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardUplinkRemove> New();
    virtual ~VirtualSwitchStandardUplinkRemove();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardPolicyShapingGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicyShapingGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicyShapingGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchStandardPolicyShapingGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchStandardPolicyShapingSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicyShapingSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicyShapingSet> New();
    virtual ~VirtualSwitchStandardPolicyShapingSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchStandardPolicySecurityGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicySecurityGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicySecurityGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchStandardPolicySecurityGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchStandardPolicySecuritySet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicySecuritySet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicySecuritySet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchStandardPolicySecuritySet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchStandardPolicyFailoverGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicyFailoverGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicyFailoverGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchStandardPolicyFailoverGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchStandardPolicyFailoverSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchStandardPolicyFailoverSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchStandardPolicyFailoverSet> New();
    virtual ~VirtualSwitchStandardPolicyFailoverSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchPortGroupList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupList();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupList> New();
    virtual ~VirtualSwitchPortGroupList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchPortGroupAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupAdd();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupAdd> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupAdd();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchPortGroupRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupRemove();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupRemove> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupRemove();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchPortGroupSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupSet> New();
    virtual ~VirtualSwitchPortGroupSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchPortGroupPolicyShapingGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicyShapingGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicyShapingGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupPolicyShapingGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchPortGroupPolicyShapingSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicyShapingSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicyShapingSet> New();
    virtual ~VirtualSwitchPortGroupPolicyShapingSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchPortGroupPolicyFailoverGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicyFailoverGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupPolicyFailoverGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchPortGroupPolicyFailoverSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicyFailoverSet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverSet> New();
    virtual ~VirtualSwitchPortGroupPolicyFailoverSet();
    TALIX_COMMAND_OPERATIONS;
};

class VirtualSwitchPortGroupPolicySecurityGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicySecurityGet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicySecurityGet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupPolicySecurityGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchPortGroupPolicySecuritySet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchPortGroupPolicySecuritySet();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchPortGroupPolicySecuritySet> New();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~VirtualSwitchPortGroupPolicySecuritySet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
};

class VirtualSwitchDVSNorvaleList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VirtualSwitchDVSNorvaleList();
    TALIX_LOAD_TIME static std::shared_ptr<VirtualSwitchDVSNorvaleList> New();
    virtual ~VirtualSwitchDVSNorvaleList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    // The DVPort record template, and the records of a list of distributed ports.
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDVPortStructure();
    std::shared_ptr<Parvik::MetaObj::MetaList> GetDVPortList(
        const std::vector<std::unique_ptr<Kavrel::Network::DVPort>>& ports);
};

class LacpGetConfig : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW LacpGetConfig();
    TALIX_LOAD_TIME static std::shared_ptr<LacpGetConfig> New();
    virtual ~LacpGetConfig();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class LacpGetStatus : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW LacpGetStatus();
    TALIX_LOAD_TIME static std::shared_ptr<LacpGetStatus> New();
    virtual ~LacpGetStatus();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class LacpGetStats : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW LacpGetStats();
    TALIX_LOAD_TIME static std::shared_ptr<LacpGetStats> New();
    virtual ~LacpGetStats();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class LacpSetTimeout : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW LacpSetTimeout();
    TALIX_LOAD_TIME static std::shared_ptr<LacpSetTimeout> New();
    virtual ~LacpSetTimeout();
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
