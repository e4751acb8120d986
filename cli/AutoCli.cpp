// The command tree's nodes.
#include "parvik/AutoCli.h"

#include <utility>

namespace Parvik {
namespace AutoCli {

std::shared_ptr<Namespace> Namespace::New() { return std::make_shared<Namespace>(); }

namespace {
void SetParameter(std::vector<std::pair<std::string, std::string>>& parameters, std::string key, std::string value) {
    for (auto& parameter : parameters) {
        if (parameter.first == key) {
            parameter.second = std::move(value);
            return;
        }
    }
    if (parameters.empty()) parameters.reserve(4);
    parameters.emplace_back(std::move(key), std::move(value));
}
}  // namespace

void CommandSpec::SetDefaultOutputParameter(const std::string& key, const std::string& value) {
    CopyStaticParameters();
    SetParameter(defaultParameters_, key, value);
}

void CommandSpec::KeepStaticParameter(const char* key, const char* value) {
    staticParameters_.push_back({key, value});
}

void CommandSpec::CopyStaticParameters() const {
    for (const auto& parameter : staticParameters_) {
        SetParameter(defaultParameters_, parameter.key, parameter.value);
    }
    staticParameters_.clear();
    staticParameters_.shrink_to_fit();
}

const std::vector<std::pair<std::string, std::string>>& CommandSpec::GetDefaultOutputParameters() const {
    CopyStaticParameters();
    return defaultParameters_;
}

}  // namespace AutoCli
}  // namespace Parvik
