// A small plug-in the framework tests load: one command per parameter and output kind.
#include "plugins/SampleCommands.h"

#include "parvik/AutoCli.h"

namespace SampleCommands {

using namespace Parvik;

namespace {

std::shared_ptr<CallSpec::ParameterSpec> Parameter(const std::shared_ptr<CallSpec::InputSpec>& spec,
                                                   const std::string& name, CallSpec::ParameterType type,
                                                   const std::string& shortName, const std::string& description,
                                                   bool required) {
    auto parameter = CallSpec::ParameterSpec::New(name, type);
    parameter->SetShortName(shortName);
    parameter->SetDescription(description);
    parameter->SetRequired(required);
    spec->AddParameter(parameter);
    return parameter;
}

std::shared_ptr<MetaObj::MetaStruct> EchoRecord() {
    auto inner = MetaObj::MetaStruct::New("Inner");
    inner->SetField("Value", MetaObj::MetaInt::New());
    auto record = MetaObj::MetaStruct::New("Echo");
    record->SetField("Text", MetaObj::MetaString::New());
    record->SetField("Count", MetaObj::MetaInt::New());
    record->SetField("Flag", MetaObj::MetaBool::New());
    record->SetField("Items", MetaObj::MetaList::New(MetaObj::META_STRING));
    record->SetField("Mode", MetaObj::MetaString::New());
    record->SetField("Unset", MetaObj::MetaString::New());
    record->SetField("Nested", inner);
    return record;
}

class Echo : public AutoCli::Command {
public:
    Echo() {
        SetDescription("Echo the parameters back as a record.");
        SetDefaultOutputFormatter("simple");
    }
    std::shared_ptr<CallSpec::InputSpec> GetInputSpecInternal() override {
        auto spec = CallSpec::InputSpec::New();
        Parameter(spec, "text", CallSpec::PARAM_STRING, "t", "The text to echo.", true);
        auto count = Parameter(spec, "count", CallSpec::PARAM_INTEGER, "c", "How many times.", false);
        auto range = CallSpec::ParameterConstraint::New(CallSpec::CONSTRAINT_INT_RANGE);
        range->SetIntRange(1, 5);
        count->SetConstraint(range);
        Parameter(spec, "flag", CallSpec::PARAM_FLAG, "f", "A flag.", false);
        Parameter(spec, "item", CallSpec::PARAM_LIST, "i", "An item; repeat for more.", false);
        auto mode = Parameter(spec, "mode", CallSpec::PARAM_STRING, "m", "Mode: %FULLENUM%", false);
        auto modes = CallSpec::ParameterConstraint::New(CallSpec::CONSTRAINT_STRING_ENUM);
        modes->AddStringEnum("fast", "Go fast");
        modes->AddStringEnum("slow", "Go slow");
        mode->SetConstraint(modes);
        auto level = Parameter(spec, "level", CallSpec::PARAM_INTEGER, "l", "Level: %ENUM%", false);
        auto levels = CallSpec::ParameterConstraint::New(CallSpec::CONSTRAINT_INT_ENUM);
        for (int value : {1, 2, 3}) levels->AddIntEnum(value);
        level->SetConstraint(levels);
        auto name = Parameter(spec, "name", CallSpec::PARAM_STRING, "n", "An interface name.", false);
        auto pattern = CallSpec::ParameterConstraint::New(CallSpec::CONSTRAINT_REGEX);
        pattern->SetStringRegex("lmx([0-9]|[1-9][0-9])");
        name->SetConstraint(pattern);
        Parameter(spec, "enabled", CallSpec::PARAM_BOOLEAN, "e", "A boolean.", false);
        Parameter(spec, "big", CallSpec::PARAM_INTEGER, "b", "Any 64-bit integer.", false);
        return spec;
    }
    std::shared_ptr<CallSpec::OutputSpec> GetOutputSpecInternal() override {
        auto spec = CallSpec::OutputSpec::New();
        spec->SetRootObject(EchoRecord());
        return spec;
    }
    void ExecuteInternal(const std::shared_ptr<CallSpec::Input>& input,
                         const std::shared_ptr<CallSpec::Output>& output) override {
        auto record = EchoRecord();
        record->SetField("Text", input->GetParameter("text"));
        // Integer parameters are kept as typed, so they read as text too.
        if (input->HasParameter("count")) record->SetField("Count", input->GetParameterInt("count"));
        record->SetField("Flag", input->IsFlagSet("flag"));
        std::vector<std::string> items;
        input->GetParameterList("item", items);
        record->SetField("Items", items);
        if (input->HasParameter("mode")) record->SetField("Mode", input->GetParameter("mode"));
        auto inner = MetaObj::MetaStruct::New("Inner");
        inner->SetField("Value", input->GetParameterInt("big"));
        record->SetField("Nested", inner);
        output->SetRootObject(record);
    }
};

// Success, failure and plain values as roots; Refresh shows records but says
// it changes the host, Check shows success but says it only reads; Throw
// throws what is not an exception.
class Fixed : public AutoCli::Command {
public:
    enum Kind { True, False, Fail, Number, Text, Rows, Empty, Refresh, Check, Throw };
    explicit Fixed(Kind kind) : kind_(kind == Refresh ? Rows : kind == Check ? True : kind) {
        SetDescription("A command with a fixed result.");
        if (kind == Refresh || kind == Check) SetChangesHost(kind == Refresh);
        if (kind == Rows || kind == Empty) {
            SetDefaultOutputFormatter("table");
            SetDefaultOutputParameter("fields:Row", "B,A");
            SetDefaultOutputParameter("units:Row.A", "sec");
        }
    }
    std::shared_ptr<CallSpec::InputSpec> GetInputSpecInternal() override { return CallSpec::InputSpec::New(); }
    std::shared_ptr<CallSpec::OutputSpec> GetOutputSpecInternal() override {
        auto spec = CallSpec::OutputSpec::New();
        switch (kind_) {
        case Number: spec->SetRootObject(MetaObj::MetaInt::New()); break;
        case Text: spec->SetRootObject(MetaObj::MetaString::New()); break;
        case Rows:
        case Empty: spec->SetRootObject(MetaObj::MetaList::New(MetaObj::META_STRUCT, Row())); break;
        default: spec->SetRootObject(MetaObj::MetaBool::New()); break;
        }
        return spec;
    }
    void ExecuteInternal(const std::shared_ptr<CallSpec::Input>&,
                         const std::shared_ptr<CallSpec::Output>& output) override {
        switch (kind_) {
        case True: output->SetRootObject(MetaObj::MetaBool::New(true)); break;
        case False: output->SetRootObject(MetaObj::MetaBool::New(false)); break;
        case Fail:
            output->AddErrorMessage("first failure");
            output->AddErrorMessage("second failure\non two lines");
            break;
        case Number: output->SetRootObject(MetaObj::MetaInt::New(42)); break;
        case Throw: throw 42;
        case Text: output->SetRootObject(MetaObj::MetaString::New("plain text")); break;
        case Rows: {
            auto list = MetaObj::MetaList::New(MetaObj::META_STRUCT, Row());
            for (int i = 1; i <= 2; ++i) {
                auto row = Row();
                row->SetField("A", i * 10);
                row->SetField("B", "row" + std::to_string(i));
                list->Add(row);
            }
            output->SetRootObject(list);
            break;
        }
        default: output->SetRootObject(MetaObj::MetaList::New(MetaObj::META_STRUCT, Row())); break;
        }
    }

private:
    static std::shared_ptr<MetaObj::MetaStruct> Row() {
        auto row = MetaObj::MetaStruct::New("Row");
        row->SetField("A", MetaObj::MetaInt::New());
        row->SetField("B", MetaObj::MetaString::New());
        return row;
    }
    Kind kind_;
};

}  // namespace

void Register(std::shared_ptr<AutoCli::NamespaceNode>& parent) {
    auto sample = AutoCli::Namespace::New();
    sample->SetDescription("Sample commands for framework tests");
    sample->RegisterNamespaceNode(std::make_shared<Echo>(), "echo");
    auto result = AutoCli::Namespace::New();
    result->SetDescription("Commands with fixed results");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::True), "ok");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::False), "no");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Fail), "fail");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Number), "number");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Text), "text");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Rows), "rows");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Empty), "empty");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Refresh), "refresh");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Check), "check");
    result->RegisterNamespaceNode(std::make_shared<Fixed>(Fixed::Throw), "throw");
    sample->RegisterNamespaceNode(result, "result");
    parent->RegisterNamespaceNode(sample, "sample");
}

}  // namespace SampleCommands
