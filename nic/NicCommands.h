// Physical NIC commands: inventory, link, statistics, offloads, coalescing, rings, pause.
#pragma once

#include <memory>

#include "kavrel/Pnic.h"
#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class NicList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicUp : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicUp);
};

class NicGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();

    // The nested "Driver Info" record.
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDriverInfoStructure();
};

class NicSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSet);

    // Merges the optional settings into info; true when any of them changed.
    bool GetInfoFromParam(const std::shared_ptr<Parvik::CallSpec::Input>& input, Kavrel::Network::PnicInfo& info);
};

class NicDown : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicDown);
};

class NicStatsGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicStatsGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicVlanStatsGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicVlanStatsGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicVlanStatsSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicVlanStatsSet);
};

class NicCoalesceGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicCoalesceSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceSet);
};

class NicCoalesceLowGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceLowGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicCoalesceLowSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceLowSet);
};

class NicCoalesceHighGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceHighGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicCoalesceHighSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCoalesceHighSet);
};

class NicCsoGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCsoGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicCsoSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicCsoSet);
};

class NicTsoGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicTsoGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicTsoSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicTsoSet);
};

class NicSgGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSgGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicSgSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSgSet);
};

class NicPauseParamsList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicPauseParamsList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicPauseParamsSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicPauseParamsSet);
};

class NicSoftwareList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSoftwareList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicSoftwareSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicSoftwareSet);
};

class NicRingPresetGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicRingPresetGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicRingCurrentGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicRingCurrentGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class NicRingCurrentSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(NicRingCurrentSet);
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
