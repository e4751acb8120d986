// Physical NIC commands: NetQueue, diagnostics, hardware capabilities, attachments, DCB.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/CommandClass.h"
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
    TALIX_COMMAND_OPERATIONS;
};

class NicEepromDump : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicEepromDump();
    TALIX_LOAD_TIME static std::shared_ptr<NicEepromDump> New();
    virtual ~NicEepromDump();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;

    // EEPROM bytes starting at offset as rows of 16, aligned to multiples of 16.
    std::shared_ptr<Parvik::MetaObj::MetaList> DumpBinary(uint32_t offset, const std::vector<uint8_t>& bytes);
};

class NicEepromChange : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicEepromChange();
    TALIX_LOAD_TIME static std::shared_ptr<NicEepromChange> New();
    virtual ~NicEepromChange();
    TALIX_COMMAND_OPERATIONS;
};

class NicNegotiationRestart : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicNegotiationRestart();
    TALIX_LOAD_TIME static std::shared_ptr<NicNegotiationRestart> New();
    virtual ~NicNegotiationRestart();
    TALIX_COMMAND_OPERATIONS;
};

class NicSelfTestRun : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicSelfTestRun();
    TALIX_LOAD_TIME static std::shared_ptr<NicSelfTestRun> New();
    virtual ~NicSelfTestRun();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
};

class NicQueueLbSettingList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbSettingList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbSettingList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbSettingList();
};

class NicQueueLbSettingSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbSettingSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbSettingSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbSettingSet();
};

class NicQueueLbStateList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbStateList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbStateList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbStateList();
};

class NicQueueLbStateSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbStateSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbStateSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbStateSet();
};

class NicQueueLbPluginList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbPluginList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbPluginList> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbPluginList();
};

class NicQueueLbPluginSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueLbPluginSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueLbPluginSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueLbPluginSet();
};

class NicQueueCountGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueCountGet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueCountGet> New();
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueCountGet();
};

class NicQueueCountSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueCountSet();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueCountSet> New();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueCountSet();
};

class NicQueueFilterClassList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicQueueFilterClassList();
    TALIX_LOAD_TIME static std::shared_ptr<NicQueueFilterClassList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    TALIX_COMMAND_OPERATIONS;
    virtual ~NicQueueFilterClassList();
};

class NicHwCapSupportedList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicHwCapSupportedList();
    TALIX_LOAD_TIME static std::shared_ptr<NicHwCapSupportedList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicHwCapSupportedList() override;
    TALIX_COMMAND_OPERATIONS;
};

class NicHwCapActivatedList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicHwCapActivatedList();
    TALIX_LOAD_TIME static std::shared_ptr<NicHwCapActivatedList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicHwCapActivatedList() override;
    TALIX_COMMAND_OPERATIONS;
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
    TALIX_COMMAND_OPERATIONS;
};

class NicAttachmentAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentAdd();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentAdd> New();
    ~NicAttachmentAdd() override;
    TALIX_COMMAND_OPERATIONS;
};

class NicAttachmentRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentRemove();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentRemove> New();
    ~NicAttachmentRemove() override;
    TALIX_COMMAND_OPERATIONS;
};

class NicAttachmentList : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW NicAttachmentList();
    TALIX_LOAD_TIME static std::shared_ptr<NicAttachmentList> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~NicAttachmentList() override;
    TALIX_COMMAND_OPERATIONS;
};

// DCB text helpers: "<mode> - <name>", and eight blank-separated decimals
// (the bits of a mask, least significant first, or the entries of an array).
std::string DcbModeToString(uint32_t mode);
std::string DcbIntMaskToString(uint8_t mask);
std::string DcbArrayToString(const uint8_t (&values)[8]);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
