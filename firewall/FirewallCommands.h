// Firewall commands: the firewall module and its rulesets.
#pragma once

#include <memory>

#include "frame/CommandClass.h"
#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class FirewallGet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallGet();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallGet> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual ~FirewallGet();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallSet();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallSet> New();
    virtual ~FirewallSet();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallLoad : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallLoad();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallLoad> New();
    virtual ~FirewallLoad();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRefresh : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRefresh();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRefresh> New();
    virtual ~FirewallRefresh();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallUnload : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallUnload();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallUnload> New();
    virtual ~FirewallUnload();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetList();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetList> New();
    virtual ~FirewallRulesetList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class FirewallRulesetSet : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetSet();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetSet> New();
    virtual ~FirewallRulesetSet();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetClientGet : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetClientGet();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetClientGet> New();
    std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    ~FirewallRulesetClientGet() override;
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetClientAdd : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetClientAdd();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetClientAdd> New();
    ~FirewallRulesetClientAdd() override;
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetClientRemove : public Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetClientRemove();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetClientRemove> New();
    ~FirewallRulesetClientRemove() override;
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetRuleList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetRuleList();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetRuleList> New();
    virtual ~FirewallRulesetRuleList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class FirewallRulesetAllowedipList : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetAllowedipList();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetAllowedipList> New();
    virtual ~FirewallRulesetAllowedipList();
    virtual std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;
    virtual std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;
    virtual std::shared_ptr<Parvik::MetaObj::MetaStruct> GetOutputStructure();
    virtual void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) override;
};

class FirewallRulesetAllowedipAdd : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetAllowedipAdd();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetAllowedipAdd> New();
    virtual ~FirewallRulesetAllowedipAdd();
    TALIX_COMMAND_OPERATIONS;
};

class FirewallRulesetAllowedipRemove : public virtual Parvik::AutoCli::Command {
public:
    TALIX_BUILT_BY_NEW FirewallRulesetAllowedipRemove();
    TALIX_LOAD_TIME static std::shared_ptr<FirewallRulesetAllowedipRemove> New();
    virtual ~FirewallRulesetAllowedipRemove();
    TALIX_COMMAND_OPERATIONS;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
