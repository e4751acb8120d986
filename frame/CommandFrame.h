// What every command unit shares: spec builders, record templates, the error
// conversions, and the unit constants every command carries.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "kavrel/Lib.h"
#include "parvik/AutoCli.h"
#include "parvik/CallSpec.h"
#include "parvik/MetaObj.h"

namespace NorvaleCli {
namespace NetworkNamespace {

using InputPtr = std::shared_ptr<Parvik::CallSpec::Input>;
using OutputPtr = std::shared_ptr<Parvik::CallSpec::Output>;
using InputSpecPtr = std::shared_ptr<Parvik::CallSpec::InputSpec>;
using OutputSpecPtr = std::shared_ptr<Parvik::CallSpec::OutputSpec>;
using RecordPtr = std::shared_ptr<Parvik::MetaObj::MetaStruct>;
using ListPtr = std::shared_ptr<Parvik::MetaObj::MetaList>;

// Shared unit constants: CDP status names by value 0 to 3, the default IPsec
// address, and the congestion-control algorithm of a new netstack instance.
// Constant-initialised, so that loading the plug-in runs no code for them.
constexpr const char* kCdpStatusNames[] = {"down", "listen", "advertise", "both"};
constexpr const char* kIpv6UnspecifiedAddress = "::";
constexpr const char* kNewNetstackCcAlgorithm = "newreno";

// One parameter of an input spec, added in the order of the calls.
inline std::shared_ptr<Parvik::CallSpec::ParameterSpec> AddParameter(
    const InputSpecPtr& spec, const std::string& name, Parvik::CallSpec::ParameterType type,
    const std::string& shortName, const std::string& description, bool required,
    const std::shared_ptr<Parvik::CallSpec::ParameterConstraint>& constraint = nullptr) {
    auto parameter = Parvik::CallSpec::ParameterSpec::New(name, type);
    parameter->SetShortName(shortName);
    parameter->SetDescription(description);
    parameter->SetRequired(required);
    if (constraint) parameter->SetConstraint(constraint);
    spec->AddParameter(parameter);
    return parameter;
}

// A string enumeration; each entry is a value, or a value and its help text.
inline std::shared_ptr<Parvik::CallSpec::ParameterConstraint> StringEnum(
    std::initializer_list<std::pair<const char*, const char*>> values) {
    auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_STRING_ENUM);
    for (const auto& value : values) {
        if (value.second) {
            constraint->AddStringEnum(value.first, value.second);
        } else {
            constraint->AddStringEnum(value.first);
        }
    }
    return constraint;
}

inline std::shared_ptr<Parvik::CallSpec::ParameterConstraint> IntRange(int64_t min, int64_t max) {
    auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_INT_RANGE);
    constraint->SetIntRange(min, max);
    return constraint;
}

inline std::shared_ptr<Parvik::CallSpec::ParameterConstraint> StringRegex(const std::string& pattern) {
    auto constraint = Parvik::CallSpec::ParameterConstraint::New(Parvik::CallSpec::CONSTRAINT_REGEX);
    constraint->SetStringRegex(pattern);
    return constraint;
}

inline OutputSpecPtr MakeOutputSpec(const Parvik::MetaObj::MetaObjectPtr& root) {
    auto spec = Parvik::CallSpec::OutputSpec::New();
    spec->SetRootObject(root);
    return spec;
}

inline ListPtr MakeRecordList(const RecordPtr& elementTemplate) {
    return Parvik::MetaObj::MetaList::New(Parvik::MetaObj::META_STRUCT, elementTemplate);
}

// Builds a record template: one empty value per field, in display order.
class RecordTemplate {
public:
    explicit RecordTemplate(const std::string& name) : record_(Parvik::MetaObj::MetaStruct::New(name)) {}
    RecordTemplate& String(const std::string& field) {
        record_->SetField(field, Parvik::MetaObj::MetaString::New());
        return *this;
    }
    RecordTemplate& Int(const std::string& field) {
        record_->SetField(field, Parvik::MetaObj::MetaInt::New());
        return *this;
    }
    RecordTemplate& Bool(const std::string& field) {
        record_->SetField(field, Parvik::MetaObj::MetaBool::New());
        return *this;
    }
    RecordTemplate& StringList(const std::string& field) {
        record_->SetField(field, Parvik::MetaObj::MetaList::New(Parvik::MetaObj::META_STRING));
        return *this;
    }
    RecordTemplate& RecordList(const std::string& field, const RecordPtr& elementTemplate) {
        record_->SetField(field, MakeRecordList(elementTemplate));
        return *this;
    }
    RecordTemplate& Record(const std::string& field, const RecordPtr& nested) {
        record_->SetField(field, nested);
        return *this;
    }
    RecordPtr Build() const { return record_; }
    operator RecordPtr() const { return record_; }  // NOLINT: a template is used as its record

private:
    RecordPtr record_;
};

// An optional string parameter's value, or empty.
inline std::string ParameterOr(const InputPtr& input, const std::string& name) {
    if (input->HasParameter(name)) return input->GetParameter(name);
    return std::string();
}

inline void SetSuccess(const OutputPtr& output) { output->SetRootObject(Parvik::MetaObj::MetaBool::New(true)); }

// The one place a host-control failure is caught: it becomes one error
// message, message(its description); whatever root was not set stays unset.
// False when body failed so.
template <typename Message, typename Body>
bool WithHostErrors(const OutputPtr& output, Message&& message, Body&& body) {
    try {
        body();
        return true;
    } catch (const Kavrel::Lib::KavrelException& failure) {
        output->AddErrorMessage(message(failure.GetDescription()));
        return false;
    }
}

// The standard error conversion: the message is the description text.
template <typename Body>
bool WithStandardErrors(const OutputPtr& output, Body&& body) {
    return WithHostErrors(
        output, [](const std::string& description) { return description; }, body);
}

// The prefixed error conversion: prefix (with its own separator) followed by
// the description text.
template <typename Body>
bool WithPrefixedErrors(const OutputPtr& output, const std::string& prefix, Body&& body) {
    return WithHostErrors(
        output, [&prefix](const std::string& description) { return prefix + description; }, body);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
