// Firewall commands: the firewall module and its rulesets.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class FirewallGet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class FirewallSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallSet);
};

class FirewallLoad : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallLoad);
};

class FirewallRefresh : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRefresh);
};

class FirewallUnload : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallUnload);
};

class FirewallRulesetList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class FirewallRulesetSet : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetSet);
};

class FirewallRulesetClientGet : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetClientGet);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class FirewallRulesetClientAdd : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetClientAdd);
};

class FirewallRulesetClientRemove : public Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetClientRemove);
};

class FirewallRulesetRuleList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetRuleList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class FirewallRulesetAllowedipList : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetAllowedipList);
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
};

class FirewallRulesetAllowedipAdd : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetAllowedipAdd);
};

class FirewallRulesetAllowedipRemove : public virtual Parvik::AutoCli::Command {
    TALIX_COMMAND_MEMBERS(FirewallRulesetAllowedipRemove);
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
