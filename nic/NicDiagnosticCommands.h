// Physical NIC commands: NetQueue, diagnostics, hardware capabilities, attachments, DCB.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class NicRegisterDump : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicRegisterDump();
    TALIX_LOAD_TIME static std::shared_ptr<NicRegisterDump> New();
    virtual ~NicRegisterDump();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicEepromDump : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicEepromDump();
    TALIX_LOAD_TIME static std::shared_ptr<NicEepromDump> New();
    virtual ~NicEepromDump();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;

    // EEPROM bytes starting at offset as rows of 16, aligned to multiples of 16.
    std::shared_ptr<Parvik::MetaObj::MetaList> DumpBinary(uint32_t offset, const std::vector<uint8_t>& bytes);
};

class NicEepromChange : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicEepromChange();
    TALIX_LOAD_TIME static std::shared_ptr<NicEepromChange> New();
    virtual ~NicEepromChange();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicNegotiationRestart : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicNegotiationRestart();
    TALIX_LOAD_TIME static std::shared_ptr<NicNegotiationRestart> New();
    virtual ~NicNegotiationRestart();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicSelfTestRun : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSelfTestRun();
    TALIX_LOAD_TIME static std::shared_ptr<NicSelfTestRun> New();
    virtual ~NicSelfTestRun();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicQueueLbSettingList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbSettingList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbSettingList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbSettingList();
};

class NicQueueLbSettingSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbSettingSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbSettingSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbSettingSet();
};

class NicQueueLbStateList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbStateList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbStateList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbStateList();
};

class NicQueueLbStateSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbStateSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbStateSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbStateSet();
};

class NicQueueLbPluginList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbPluginList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbPluginList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbPluginList();
};

class NicQueueLbPluginSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbPluginSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbPluginSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueLbPluginSet();
};

class NicQueueCountGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueCountGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueCountGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueCountGet();
};

class NicQueueCountSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueCountSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueCountSet> New();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueCountSet();
};

class NicQueueFilterClassList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueFilterClassList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueFilterClassList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
    virtual ~NicQueueFilterClassList();
};

class NicHwCapSupportedList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicHwCapSupportedList();
    TALIX_LOAD_TIME static std::shared_ptr<NicHwCapSupportedList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicHwCapSupportedList() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicHwCapActivatedList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicHwCapActivatedList();
    TALIX_LOAD_TIME static std::shared_ptr<NicHwCapActivatedList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicHwCapActivatedList() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicDcbStatusGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicDcbStatusGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicDcbStatusGet> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbCapabilitiesStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbIeeeEtsConfigStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbIeeePfcConfigStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbAppsStructure();
    ~NicDcbStatusGet() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicAttachmentAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentAdd();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentAdd> New();
    ~NicAttachmentAdd() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicAttachmentRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentRemove();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentRemove> New();
    ~NicAttachmentRemove() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class NicAttachmentList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentList();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicAttachmentList() override;
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

// DCB text helpers: "<mode> - <name>", and eight blank-separated decimals
// (the bits of a mask, least significant first, or the entries of an array).
std::string DcbModeToString(uint32_t mode);
std::string DcbIntMaskToString(uint8_t mask);
std::string DcbArrayToString(const uint8_t (&values)[8]);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
