// VM, port and datapath commands: VMs, port statistics, multicast, SR-IOV, ENS lcores.
#pragma once

#include <memory>

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
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class SriovNicList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW SriovNicList();
    TALIX_LOAD_TIME static std::shared_ptr<SriovNicList> New();
    virtual ~SriovNicList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
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
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class PortFilterStatsGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW PortFilterStatsGet();
    TALIX_LOAD_TIME static std::shared_ptr<PortFilterStatsGet> New();
    virtual ~PortFilterStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class VMList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VMList();
    TALIX_LOAD_TIME static std::shared_ptr<VMList> New();
    virtual ~VMList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class VMPortList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW VMPortList();
    TALIX_LOAD_TIME static std::shared_ptr<VMPortList> New();
    virtual ~VMPortList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsMaxlcoresGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsMaxlcoresGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsMaxlcoresGet> New();
    ~EnsMaxlcoresGet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsMaxlcoresSet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsMaxlcoresSet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsMaxlcoresSet> New();
    ~EnsMaxlcoresSet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAdd();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAdd> New();
    ~EnsLcoreAdd() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreRemove();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreRemove> New();
    ~EnsLcoreRemove() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreList();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~EnsLcoreList() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreSwitchGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchGet> New();
    ~EnsLcoreSwitchGet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreSwitchAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchAdd();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchAdd> New();
    ~EnsLcoreSwitchAdd() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreSwitchRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreSwitchRemove();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreSwitchRemove> New();
    ~EnsLcoreSwitchRemove() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreAffinityGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAffinityGet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAffinityGet> New();
    ~EnsLcoreAffinityGet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class EnsLcoreAffinitySet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW EnsLcoreAffinitySet();
    TALIX_LOAD_TIME static std::shared_ptr<EnsLcoreAffinitySet> New();
    ~EnsLcoreAffinitySet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
