// The declaration every command class shares.
#pragma once

#include <memory>

#include "frame/LoadTime.h"
#include "parvik/AutoCli.h"

// The members every command class declares, in one place: construction
// through New() (see LoadTime.h), and the three functions the framework calls.
// A class adds its own members (record templates, helpers) after it.
#define TALIX_COMMAND_MEMBERS(Class)                                                  \
public:                                                                               \
    TALIX_BUILT_BY_NEW Class();                                                       \
    TALIX_LOAD_TIME static std::shared_ptr<Class> New();                              \
    ~Class() override;                                                                \
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;    \
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override;  \
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,       \
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override
