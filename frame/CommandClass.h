// What every command class declares for the framework.
#pragma once

#include <memory>

#include "parvik/AutoCli.h"
#include "parvik/CallSpec.h"

// The three framework operations a command overrides, in the framework's order.
// A class whose own table puts its destructor or GetOutputStructure() among
// them declares them one by one, in that table's order.
#define TALIX_COMMAND_OPERATIONS                                                    \
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override;   \
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override; \
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>& input,     \
                         const std::shared_ptr<Parvik::CallSpec::Output>& output) override
