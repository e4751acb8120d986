// Physical NIC commands: inventory, link, statistics, offloads, coalescing, rings, pause.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "kavrel/Pnic.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class NicList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicList();
    TALIX_LOAD_TIME static std::shared_ptr<NicList> New();
    virtual ~NicList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicUp : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicUp();
    TALIX_LOAD_TIME static std::shared_ptr<NicUp> New();
    virtual ~NicUp();
    TALIX_COMMAND_OPERATIONS;
};

class NicGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicGet> New();
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
    TALIX_BUILT_BY_NEW NicSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicSet> New();
    virtual ~NicSet();
    TALIX_COMMAND_OPERATIONS;

    // Merges the optional settings into info; true when any of them changed.
    bool GetInfoFromParam(const std::shared_ptr<Parvik::CallSpec::Input>& input, Kavrel::Network::PnicInfo& info);
};

class NicDown : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicDown();
    TALIX_LOAD_TIME static std::shared_ptr<NicDown> New();
    virtual ~NicDown();
    TALIX_COMMAND_OPERATIONS;
};

class NicStatsGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicStatsGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicStatsGet> New();
    virtual ~NicStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicVlanStatsGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicVlanStatsGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicVlanStatsGet> New();
    virtual ~NicVlanStatsGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicVlanStatsSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicVlanStatsSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicVlanStatsSet> New();
    virtual ~NicVlanStatsSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicCoalesceGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceGet> New();
    virtual ~NicCoalesceGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicCoalesceSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceSet> New();
    virtual ~NicCoalesceSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicCoalesceLowGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceLowGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceLowGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicCoalesceLowGet();
};

class NicCoalesceLowSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceLowSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceLowSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicCoalesceLowSet();
};

class NicCoalesceHighGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceHighGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceHighGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicCoalesceHighGet();
};

class NicCoalesceHighSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCoalesceHighSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCoalesceHighSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicCoalesceHighSet();
};

class NicCsoGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCsoGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCsoGet> New();
    virtual ~NicCsoGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicCsoSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicCsoSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicCsoSet> New();
    virtual ~NicCsoSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicTsoGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicTsoGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicTsoGet> New();
    virtual ~NicTsoGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicTsoSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicTsoSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicTsoSet> New();
    virtual ~NicTsoSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicSgGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSgGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicSgGet> New();
    virtual ~NicSgGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicSgSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSgSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicSgSet> New();
    virtual ~NicSgSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicPauseParamsList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicPauseParamsList();
    TALIX_LOAD_TIME static std::shared_ptr<NicPauseParamsList> New();
    virtual ~NicPauseParamsList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicPauseParamsSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicPauseParamsSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicPauseParamsSet> New();
    virtual ~NicPauseParamsSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicSoftwareList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSoftwareList();
    TALIX_LOAD_TIME static std::shared_ptr<NicSoftwareList> New();
    virtual ~NicSoftwareList();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicSoftwareSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSoftwareSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicSoftwareSet> New();
    virtual ~NicSoftwareSet();
    TALIX_COMMAND_OPERATIONS;
};

class NicRingPresetGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicRingPresetGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicRingPresetGet> New();
    virtual ~NicRingPresetGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicRingCurrentGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicRingCurrentGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicRingCurrentGet> New();
    virtual ~NicRingCurrentGet();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicRingCurrentSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicRingCurrentSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicRingCurrentSet> New();
    virtual ~NicRingCurrentSet();
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
