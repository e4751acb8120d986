// VM, port and datapath commands: VMs, port statistics, multicast, SR-IOV, ENS lcores.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class MulticastGroupList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW MulticastGroupList();
    TALIX_LOAD_TIME static std::shared_ptr<MulticastGroupList> New();
    virtual ~MulticastGroupList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class SriovNicList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW SriovNicList();
    TALIX_LOAD_TIME static std::shared_ptr<SriovNicList> New();
    virtual ~SriovNicList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class VfList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VfList();
    TALIX_LOAD_TIME static std::shared_ptr<VfList> New();
    virtual ~VfList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class VfStats : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VfStats();
    TALIX_LOAD_TIME static std::shared_ptr<VfStats> New();
    virtual ~VfStats();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class PortStatsGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW PortStatsGet();
    TALIX_LOAD_TIME static std::shared_ptr<PortStatsGet> New();
    virtual ~PortStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class PortFilterStatsGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW PortFilterStatsGet();
    TALIX_LOAD_TIME static std::shared_ptr<PortFilterStatsGet> New();
    virtual ~PortFilterStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class VMList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VMList();
    TALIX_LOAD_TIME static std::shared_ptr<VMList> New();
    virtual ~VMList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class VMPortList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VMPortList();
    TALIX_LOAD_TIME static std::shared_ptr<VMPortList> New();
    virtual ~VMPortList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class EnsMaxlcoresGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsMaxlcoresGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsMaxlcoresGet> New();
    ~EnsMaxlcoresGet() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsMaxlcoresSet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsMaxlcoresSet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsMaxlcoresSet> New();
    ~EnsMaxlcoresSet() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAdd();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAdd> New();
    ~EnsLcoreAdd() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreRemove();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreRemove> New();
    ~EnsLcoreRemove() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreList();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~EnsLcoreList() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreSwitchGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchGet> New();
    ~EnsLcoreSwitchGet() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreSwitchAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchAdd();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchAdd> New();
    ~EnsLcoreSwitchAdd() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreSwitchRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchRemove();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchRemove> New();
    ~EnsLcoreSwitchRemove() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreAffinityGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAffinityGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAffinityGet> New();
    ~EnsLcoreAffinityGet() override;
    TALIX_COMMAND_OPERATIONS;
};

class EnsLcoreAffinitySet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAffinitySet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAffinitySet> New();
    ~EnsLcoreAffinitySet() override;
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
