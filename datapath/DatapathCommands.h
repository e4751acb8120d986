// VM, port and datapath commands: VMs, port statistics, multicast, SR-IOV, ENS lcores.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class MulticastGroupList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(MulticastGroupList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class SriovNicList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(SriovNicList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VfList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VfList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VfStats : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VfStats);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class PortStatsGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(PortStatsGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class PortFilterStatsGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(PortFilterStatsGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VMList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VMList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VMPortList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VMPortList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class EnsMaxlcoresGet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsMaxlcoresGet);
};

class EnsMaxlcoresSet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsMaxlcoresSet);
};

class EnsLcoreAdd : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreAdd);
};

class EnsLcoreRemove : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreRemove);
};

class EnsLcoreList : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class EnsLcoreSwitchGet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreSwitchGet);
};

class EnsLcoreSwitchAdd : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreSwitchAdd);
};

class EnsLcoreSwitchRemove : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreSwitchRemove);
};

class EnsLcoreAffinityGet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreAffinityGet);
};

class EnsLcoreAffinitySet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(EnsLcoreAffinitySet);
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
