// Physical NIC commands: inventory, link, statistics, offloads, coalescing, rings, pause.
#pragma once

#include <memory>

#include "kavrel/Pnic.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class NicList : public virtual Parvik::AutoCli::Command {
public:
    NicList();
    static std::shared_ptr<NicList> New();
    virtual ~NicList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicUp : public virtual Parvik::AutoCli::Command {
public:
    NicUp();
    static std::shared_ptr<NicUp> New();
    virtual ~NicUp();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicGet : public virtual Parvik::AutoCli::Command {
public:
    NicGet();
    static std::shared_ptr<NicGet> New();
    virtual ~NicGet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;

    // The nested "Driver Info" record.
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDriverInfoStructure();
};

class NicSet : public virtual Parvik::AutoCli::Command {
public:
    NicSet();
    static std::shared_ptr<NicSet> New();
    virtual ~NicSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;

    // Merges the optional settings into info; true when any of them changed.
    bool GetInfoFromParam(const std::shared_ptr<Parvik::CallSpec::Input>& input, Kavrel::Network::PnicInfo& info);
};

class NicDown : public virtual Parvik::AutoCli::Command {
public:
    NicDown();
    static std::shared_ptr<NicDown> New();
    virtual ~NicDown();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicStatsGet : public virtual Parvik::AutoCli::Command {
public:
    NicStatsGet();
    static std::shared_ptr<NicStatsGet> New();
    virtual ~NicStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicVlanStatsGet : public virtual Parvik::AutoCli::Command {
public:
    NicVlanStatsGet();
    static std::shared_ptr<NicVlanStatsGet> New();
    virtual ~NicVlanStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicVlanStatsSet : public virtual Parvik::AutoCli::Command {
public:
    NicVlanStatsSet();
    static std::shared_ptr<NicVlanStatsSet> New();
    virtual ~NicVlanStatsSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicCoalesceGet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceGet();
    static std::shared_ptr<NicCoalesceGet> New();
    virtual ~NicCoalesceGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicCoalesceSet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceSet();
    static std::shared_ptr<NicCoalesceSet> New();
    virtual ~NicCoalesceSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicCoalesceLowGet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceLowGet();
    static std::shared_ptr<NicCoalesceLowGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicCoalesceLowGet();
};

class NicCoalesceLowSet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceLowSet();
    static std::shared_ptr<NicCoalesceLowSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicCoalesceLowSet();
};

class NicCoalesceHighGet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceHighGet();
    static std::shared_ptr<NicCoalesceHighGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicCoalesceHighGet();
};

class NicCoalesceHighSet : public virtual Parvik::AutoCli::Command {
public:
    NicCoalesceHighSet();
    static std::shared_ptr<NicCoalesceHighSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicCoalesceHighSet();
};

class NicCsoGet : public virtual Parvik::AutoCli::Command {
public:
    NicCsoGet();
    static std::shared_ptr<NicCsoGet> New();
    virtual ~NicCsoGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicCsoSet : public virtual Parvik::AutoCli::Command {
public:
    NicCsoSet();
    static std::shared_ptr<NicCsoSet> New();
    virtual ~NicCsoSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicTsoGet : public virtual Parvik::AutoCli::Command {
public:
    NicTsoGet();
    static std::shared_ptr<NicTsoGet> New();
    virtual ~NicTsoGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicTsoSet : public virtual Parvik::AutoCli::Command {
public:
    NicTsoSet();
    static std::shared_ptr<NicTsoSet> New();
    virtual ~NicTsoSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicSgGet : public virtual Parvik::AutoCli::Command {
public:
    NicSgGet();
    static std::shared_ptr<NicSgGet> New();
    virtual ~NicSgGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicSgSet : public virtual Parvik::AutoCli::Command {
public:
    NicSgSet();
    static std::shared_ptr<NicSgSet> New();
    virtual ~NicSgSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicPauseParamsList : public virtual Parvik::AutoCli::Command {
public:
    NicPauseParamsList();
    static std::shared_ptr<NicPauseParamsList> New();
    virtual ~NicPauseParamsList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicPauseParamsSet : public virtual Parvik::AutoCli::Command {
public:
    NicPauseParamsSet();
    static std::shared_ptr<NicPauseParamsSet> New();
    virtual ~NicPauseParamsSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicSoftwareList : public virtual Parvik::AutoCli::Command {
public:
    NicSoftwareList();
    static std::shared_ptr<NicSoftwareList> New();
    virtual ~NicSoftwareList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicSoftwareSet : public virtual Parvik::AutoCli::Command {
public:
    NicSoftwareSet();
    static std::shared_ptr<NicSoftwareSet> New();
    virtual ~NicSoftwareSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicRingPresetGet : public virtual Parvik::AutoCli::Command {
public:
    NicRingPresetGet();
    static std::shared_ptr<NicRingPresetGet> New();
    virtual ~NicRingPresetGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicRingCurrentGet : public virtual Parvik::AutoCli::Command {
public:
    NicRingCurrentGet();
    static std::shared_ptr<NicRingCurrentGet> New();
    virtual ~NicRingCurrentGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicRingCurrentSet : public virtual Parvik::AutoCli::Command {
public:
    NicRingCurrentSet();
    static std::shared_ptr<NicRingCurrentSet> New();
    virtual ~NicRingCurrentSet();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
