// The command tree's nodes.
#include "parvik/AutoCli.h"


namespace Parvik {
namespace AutoCli {

std::shared_ptr<Namespace> Namespace::New() { return std::make_shared<Namespace>(); }

void CommandSpec::SetDefaultOutputParameter(const std::string& key, const std::string& value) {
    for (auto& parameter : defaultParameters_) {
        if (parameter.first == key) {
            parameter.second = value;
            return;
        }
    }
    defaultParameters_.emplace_back(key, value);
}

void CommandSpec::SetDefaultOutputParameter(const char* key, const char* value) {
    if (!key) key = "";
    if (!value) value = "";
    for (auto& parameter : defaultParameters_) {
        if (parameter.first == key) {
            parameter.second = value;
            return;
        }
    }
    if (defaultParameters_.empty()) defaultParameters_.reserve(4);
    defaultParameters_.emplace_back(key, value);
}

}  // namespace AutoCli
}  // namespace Parvik
