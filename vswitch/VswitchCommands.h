// Virtual switch commands: standard switches, port groups, policies, distributed switches, LACP.
#pragma once

#include <memory>
#include <vector>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace Kavrel {
namespace Network {
class DVPort;
}  // namespace Network
}  // namespace Kavrel

namespace NorvaleCli {
namespace NetworkNamespace {

class VirtualSwitchStandardAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardAdd);
};

class VirtualSwitchStandardSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardSet);
};

class VirtualSwitchStandardList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchStandardRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardRemove);
};

class VirtualSwitchStandardUplinkAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardUplinkAdd);
};

class VirtualSwitchStandardUplinkRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardUplinkRemove);
};

class VirtualSwitchStandardPolicyShapingGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicyShapingGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchStandardPolicyShapingSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicyShapingSet);
};

class VirtualSwitchStandardPolicySecurityGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicySecurityGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchStandardPolicySecuritySet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicySecuritySet);
};

class VirtualSwitchStandardPolicyFailoverGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicyFailoverGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchStandardPolicyFailoverSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchStandardPolicyFailoverSet);
};

class VirtualSwitchPortGroupList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchPortGroupAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupAdd);
};

class VirtualSwitchPortGroupRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupRemove);
};

class VirtualSwitchPortGroupSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupSet);
};

class VirtualSwitchPortGroupPolicyShapingGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicyShapingGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchPortGroupPolicyShapingSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicyShapingSet);
};

class VirtualSwitchPortGroupPolicyFailoverGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicyFailoverGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchPortGroupPolicyFailoverSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicyFailoverSet);
};

class VirtualSwitchPortGroupPolicySecurityGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicySecurityGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class VirtualSwitchPortGroupPolicySecuritySet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchPortGroupPolicySecuritySet);
};

class VirtualSwitchDVSNorvaleList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(VirtualSwitchDVSNorvaleList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    // The DVPort record template, and the records of a list of distributed ports.
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetDVPortStructure();
    std::shared_ptr<Parvik::MetaObj::MetaList> GetDVPortList(
        const std::vector<std::unique_ptr<Kavrel::Network::DVPort>>& ports);
};

class LacpGetConfig : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(LacpGetConfig);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class LacpGetStatus : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(LacpGetStatus);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class LacpGetStats : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(LacpGetStats);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class LacpSetTimeout : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(LacpSetTimeout);
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
