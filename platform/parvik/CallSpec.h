// What a command accepts (input spec, parsed input) and what it returns (output spec, output).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "parvik/MetaObj.h"

namespace Parvik {
namespace CallSpec {

enum ParameterType {
    PARAM_STRING = 0,
    PARAM_INTEGER = 1,
    PARAM_BOOLEAN = 2,
    PARAM_FLAG = 3,
    PARAM_LIST = 4,
};

enum ParameterConstraintType {
    CONSTRAINT_INT_RANGE = 1,
    CONSTRAINT_INT_ENUM = 2,
    CONSTRAINT_STRING_ENUM = 3,
    CONSTRAINT_REGEX = 4,
};

class ParameterConstraint {
public:
    struct StringEnumValue {
        std::string value;
        std::string help;
    };

    static std::shared_ptr<ParameterConstraint> New(ParameterConstraintType type);
    void AddStringEnum(const std::string& value);
    void AddStringEnum(const std::string& value, const std::string& help);
    void AddIntEnum(int64_t value);
    void SetIntRange(int64_t min, int64_t max);  // inclusive bounds
    void SetStringRegex(const std::string& pattern);

    ParameterConstraintType GetType() const { return type_; }
    const std::vector<StringEnumValue>& GetStringEnums() const { return stringEnums_; }
    const std::vector<int64_t>& GetIntEnums() const { return intEnums_; }
    int64_t GetRangeMin() const { return rangeMin_; }
    int64_t GetRangeMax() const { return rangeMax_; }
    const std::string& GetRegex() const { return regex_; }

    explicit ParameterConstraint(ParameterConstraintType type) : type_(type) {}

private:
    ParameterConstraintType type_;
    std::vector<StringEnumValue> stringEnums_;
    std::vector<int64_t> intEnums_;
    int64_t rangeMin_ = 0;
    int64_t rangeMax_ = 0;
    std::string regex_;
};

class ParameterSpec {
public:
    static std::shared_ptr<ParameterSpec> New(const std::string& name, ParameterType type);
    void SetShortName(const std::string& shortName);
    void SetDescription(const std::string& description);
    void SetRequired(bool required);
    void SetConstraint(const std::shared_ptr<ParameterConstraint>& constraint);

    const std::string& GetName() const { return name_; }
    ParameterType GetType() const { return type_; }
    const std::string& GetShortName() const { return shortName_; }
    const std::string& GetDescription() const { return description_; }
    bool IsRequired() const { return required_; }
    const std::shared_ptr<ParameterConstraint>& GetConstraint() const { return constraint_; }

    ParameterSpec(std::string name, ParameterType type) : name_(std::move(name)), type_(type) {}

private:
    std::string name_;
    ParameterType type_;
    std::string shortName_;
    std::string description_;
    bool required_ = false;
    std::shared_ptr<ParameterConstraint> constraint_;
};

class InputSpec {
public:
    static std::shared_ptr<InputSpec> New();
    void AddParameter(const std::shared_ptr<ParameterSpec>& parameter);
    const std::vector<std::shared_ptr<ParameterSpec>>& GetParameters() const { return parameters_; }
    std::shared_ptr<ParameterSpec> FindByName(const std::string& name) const;
    std::shared_ptr<ParameterSpec> FindByShortName(const std::string& shortName) const;

private:
    std::vector<std::shared_ptr<ParameterSpec>> parameters_;
};

class OutputSpec {
public:
    static std::shared_ptr<OutputSpec> New();
    void SetRootObject(const MetaObj::MetaObjectPtr& root);
    const MetaObj::MetaObjectPtr& GetRootObject() const { return root_; }

private:
    MetaObj::MetaObjectPtr root_;
};

// The parameters given on one command line. Every value is kept as typed, so a
// parameter of any type can also be read as text.
class Input {
public:
    bool HasParameter(const std::string& name) const;
    const std::string& GetParameter(const std::string& name) const;
    int64_t GetParameterInt(const std::string& name) const;
    bool GetParameterBool(const std::string& name) const;
    bool IsFlagSet(const std::string& name) const;
    void GetParameterList(const std::string& name, std::vector<std::string>& values) const;

    // Filled by the framework's parser.
    void AddValue(const std::string& name, const std::string& value);
    void SetFlag(const std::string& name);

    // Text forms accepted for booleans: true/false, yes/no, 1/0, in any case.
    static bool ParseBool(const std::string& text, bool& value);
    // 64-bit signed decimal, nothing else.
    static bool ParseInt(const std::string& text, int64_t& value);

private:
    std::map<std::string, std::vector<std::string>> values_;
};

class Output {
public:
    void SetRootObject(const MetaObj::MetaObjectPtr& root);
    void AddErrorMessage(const std::string& message);
    bool HasError() const { return !errors_.empty(); }

    const MetaObj::MetaObjectPtr& GetRootObject() const { return root_; }
    const std::vector<std::string>& GetErrorMessages() const { return errors_; }

private:
    MetaObj::MetaObjectPtr root_;
    std::vector<std::string> errors_;
};

}  // namespace CallSpec
}  // namespace Parvik
