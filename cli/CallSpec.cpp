// Parameter specifications, parsed input and command output.
#include "parvik/CallSpec.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace Parvik {
namespace CallSpec {

std::shared_ptr<ParameterConstraint> ParameterConstraint::New(ParameterConstraintType type) {
    return std::make_shared<ParameterConstraint>(type);
}

void ParameterConstraint::AddStringEnum(const std::string& value) { stringEnums_.push_back({value, ""}); }

void ParameterConstraint::AddStringEnum(const std::string& value, const std::string& help) {
    stringEnums_.push_back({value, help});
}

void ParameterConstraint::AddIntEnum(int64_t value) { intEnums_.push_back(value); }

void ParameterConstraint::SetIntRange(int64_t min, int64_t max) {
    rangeMin_ = min;
    rangeMax_ = max;
}

void ParameterConstraint::SetStringRegex(const std::string& pattern) { regex_ = pattern; }

std::shared_ptr<ParameterSpec> ParameterSpec::New(const std::string& name, ParameterType type) {
    return std::make_shared<ParameterSpec>(name, type);
}

void ParameterSpec::SetShortName(const std::string& shortName) { shortName_ = shortName; }
void ParameterSpec::SetDescription(const std::string& description) { description_ = description; }
void ParameterSpec::SetRequired(bool required) { required_ = required; }

void ParameterSpec::SetConstraint(const std::shared_ptr<ParameterConstraint>& constraint) { constraint_ = constraint; }

std::shared_ptr<InputSpec> InputSpec::New() { return std::make_shared<InputSpec>(); }

void InputSpec::AddParameter(const std::shared_ptr<ParameterSpec>& parameter) { parameters_.push_back(parameter); }

std::shared_ptr<ParameterSpec> InputSpec::FindByName(const std::string& name) const {
    for (const auto& parameter : parameters_) {
        if (parameter->GetName() == name) return parameter;
    }
    return nullptr;
}

std::shared_ptr<ParameterSpec> InputSpec::FindByShortName(const std::string& shortName) const {
    if (shortName.empty()) return nullptr;
    for (const auto& parameter : parameters_) {
        if (parameter->GetShortName() == shortName) return parameter;
    }
    return nullptr;
}

std::shared_ptr<OutputSpec> OutputSpec::New() { return std::make_shared<OutputSpec>(); }

void OutputSpec::SetRootObject(const MetaObj::MetaObjectPtr& root) { root_ = root; }

namespace {
const std::string kEmpty;
}

bool Input::HasParameter(const std::string& name) const { return values_.count(name) != 0; }

const std::string& Input::GetParameter(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end() || it->second.empty()) return kEmpty;
    return it->second.front();
}

int64_t Input::GetParameterInt(const std::string& name) const {
    int64_t value = 0;
    ParseInt(GetParameter(name), value);
    return value;
}

bool Input::GetParameterBool(const std::string& name) const {
    bool value = false;
    ParseBool(GetParameter(name), value);
    return value;
}

bool Input::IsFlagSet(const std::string& name) const { return HasParameter(name); }

void Input::GetParameterList(const std::string& name, std::vector<std::string>& values) const {
    auto it = values_.find(name);
    if (it == values_.end()) return;
    values.insert(values.end(), it->second.begin(), it->second.end());
}

void Input::AddValue(const std::string& name, const std::string& value) { values_[name].push_back(value); }

void Input::SetFlag(const std::string& name) { values_[name]; }

static bool EqualsIgnoreCase(const std::string& text, const char* word) {
    size_t i = 0;
    for (; word[i] != '\0'; ++i) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return i == text.size();
}

bool Input::ParseBool(const std::string& text, bool& value) {
    for (const char* word : {"true", "yes", "1"}) {
        if (EqualsIgnoreCase(text, word)) {
            value = true;
            return true;
        }
    }
    for (const char* word : {"false", "no", "0"}) {
        if (EqualsIgnoreCase(text, word)) {
            value = false;
            return true;
        }
    }
    return false;
}

bool Input::ParseInt(const std::string& text, int64_t& value) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size()) return false;
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') return false;
    }
    errno = 0;
    long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return false;
    value = parsed;
    return true;
}

void Output::SetRootObject(const MetaObj::MetaObjectPtr& root) { root_ = root; }

void Output::AddErrorMessage(const std::string& message) { errors_.push_back(message); }

}  // namespace CallSpec
}  // namespace Parvik
