// Physical NIC commands: NetQueue, diagnostics, hardware capabilities, attachments, DCB.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class NicRegisterDump : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicRegisterDump);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicEepromDump : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicEepromDump);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();

    // EEPROM bytes starting at offset as rows of 16, aligned to multiples of 16.
    std::shared_ptr<Parvik::MetaObj::MetaList> DumpBinary(uint32_t offset, const std::vector<uint8_t>& bytes);
};

class NicEepromChange : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicEepromChange);
};

class NicNegotiationRestart : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicNegotiationRestart);
};

class NicSelfTestRun : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSelfTestRun);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicQueueLbSettingList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbSettingList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicQueueLbSettingSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbSettingSet);
};

class NicQueueLbStateList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbStateList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicQueueLbStateSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbStateSet);
};

class NicQueueLbPluginList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbPluginList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicQueueLbPluginSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueLbPluginSet);
};

class NicQueueCountGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueCountGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicQueueCountSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueCountSet);
};

class NicQueueFilterClassList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicQueueFilterClassList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicHwCapSupportedList : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicHwCapSupportedList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicHwCapActivatedList : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicHwCapActivatedList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicDcbStatusGet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicDcbStatusGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbCapabilitiesStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbIeeeEtsConfigStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbIeeePfcConfigStructure();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDcbAppsStructure();
};

class NicAttachmentAdd : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicAttachmentAdd);
};

class NicAttachmentRemove : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicAttachmentRemove);
};

class NicAttachmentList : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicAttachmentList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

// DCB text helpers: "<mode> - <name>", and eight blank-separated decimals
// (the bits of a mask, least significant first, or the entries of an array).
std::string DcbModeToString(uint32_t mode);
std::string DcbIntMaskToString(uint8_t mask);
std::string DcbArrayToString(const uint8_t (&values)[8]);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
