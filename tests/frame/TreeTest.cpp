// The network plug-in's tree: every namespace with its description and every
// command path with its class, in registration order, and nothing else; and
// for each command what users read about it: description, default formatter
// and output parameters, and every parameter with its help.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

#include "support/CliHarness.h"

namespace {

using Parvik::AutoCli::NamespaceNode;

std::string ClassName(const NamespaceNode& node) {
    int status = 0;
    char* demangled = abi::__cxa_demangle(typeid(node).name(), nullptr, nullptr, &status);
    std::string name = status == 0 ? demangled : typeid(node).name();
    std::free(demangled);
    const std::string prefix = "NorvaleCli::NetworkNamespace::";
    return name.compare(0, prefix.size(), prefix) == 0 ? name.substr(prefix.size()) : name;
}

// How the command declared its host access; "undeclared" matches no row of the table.
const char* AccessText(const Parvik::AutoCli::Command& command) {
    switch (command.GetHostAccess()) {
    case Parvik::AutoCli::CommandSpec::HOST_READS: return "read-only";
    case Parvik::AutoCli::CommandSpec::HOST_CHANGES: return "changes";
    case Parvik::AutoCli::CommandSpec::HOST_UNDECLARED: break;
    }
    return "undeclared";
}

// Tabs, line breaks and backslashes written so that one row stays one line.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\\' ? "\\\\" : std::string(1, c);
    return out;
}

std::string ConstraintText(const Parvik::CallSpec::ParameterConstraint* constraint) {
    using namespace Parvik::CallSpec;
    if (!constraint) return "-";
    std::string text;
    switch (constraint->GetType()) {
    case CONSTRAINT_INT_RANGE:
        return "range " + std::to_string(constraint->GetRangeMin()) + ".." + std::to_string(constraint->GetRangeMax());
    case CONSTRAINT_INT_ENUM:
        text = "ints";
        for (int64_t value : constraint->GetIntEnums()) text += " " + std::to_string(value);
        return text;
    case CONSTRAINT_STRING_ENUM:
        text = "enum";
        for (const auto& value : constraint->GetStringEnums()) {
            text += " [" + value.value + (value.help.empty() ? "" : "=" + value.help) + "]";
        }
        return text;
    case CONSTRAINT_REGEX: return "regex " + constraint->GetRegex();
    }
    return "?";
}

// "Name{field:kind,...}" for a record template, nested records spelled out.
std::string TemplateText(const Parvik::MetaObj::MetaObject* object) {
    using namespace Parvik::MetaObj;
    if (!object) return "none";
    switch (object->GetType()) {
    case META_BOOL: return "boolean";
    case META_INT: return "integer";
    case META_STRING: return "string";
    case META_LIST: {
        auto& list = static_cast<const MetaList&>(*object);
        return "list of " + (list.GetElementTemplate() ? TemplateText(list.GetElementTemplate().get()) : "string");
    }
    case META_STRUCT: {
        auto& record = static_cast<const MetaStruct&>(*object);
        std::string text = record.GetName() + "{";
        for (const auto& field : record.GetFields()) {
            if (text.back() != '{') text += ", ";
            text += field.Name() + ": " + TemplateText(field.value.get());
        }
        return text + "}";
    }
    }
    return "?";
}

// Indented rows after a command's row: what --help and the renderer take from it.
void DescribeCommand(Parvik::AutoCli::Command& command, std::vector<std::string>& rows) {
    static const char* const kTypes[] = {"string", "integer", "boolean", "flag", "list"};
    rows.push_back("\tdescription\t" + Escaped(command.GetDescription()));
    auto output = command.GetOutputSpec();
    rows.push_back("\toutput root\t" + TemplateText(output->GetRootObject().get()));
    if (!command.GetDefaultOutputFormatter().empty()) {
        rows.push_back("\tformatter\t" + command.GetDefaultOutputFormatter());
    }
    for (const auto& parameter : command.GetDefaultOutputParameters()) {
        rows.push_back("\toutput\t" + Escaped(parameter.first) + "\t" + Escaped(parameter.second));
    }
    auto input = command.GetInputSpec();
    for (const auto& parameter : input->GetParameters()) {
        rows.push_back("\tparameter\t" + parameter->GetName() + "\t" + parameter->GetShortName() + "\t" +
                       kTypes[parameter->GetType()] + "\t" + (parameter->IsRequired() ? "required" : "optional") +
                       "\t" + Escaped(ConstraintText(parameter->GetConstraint().get())) + "\t" +
                       Escaped(parameter->GetDescription()));
    }
}

// "path<TAB>description" for namespaces, "path<TAB>class Name<TAB>access" for commands, depth first.
// With describe, each command row is followed by the rows of DescribeCommand.
void Walk(const NamespaceNode& node, const std::string& path, std::vector<std::string>& rows, bool describe) {
    for (const auto& child : node.GetChildren()) {
        std::string childPath = path + " " + child.first;
        if (child.second->GetType() == Parvik::AutoCli::NODE_COMMAND) {
            auto& command = static_cast<Parvik::AutoCli::Command&>(*child.second);
            rows.push_back(childPath + "\tclass " + ClassName(command) + "\t" + AccessText(command));
            if (describe) DescribeCommand(command, rows);
        } else {
            rows.push_back(childPath + "\t" + child.second->GetDescription());
            Walk(*child.second, childPath, rows, describe);
        }
    }
}

std::vector<std::string> ExpectedRows() {
    std::ifstream in(TALIX_SOURCE_DIR "/tests/frame/expected_tree.tsv");
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) rows.push_back(line);
    }
    return rows;
}

TEST(NetworkTree, HoldsExactlyTheNamespacesAndCommandsInRegistrationOrder) {
    TalixTest::CliHarness cli;
    auto& root = cli.GetDispatcher().Root();
    ASSERT_EQ(root->GetChildren().size(), 1u);
    auto network = root->GetNamespaceNode("network");
    ASSERT_TRUE(network);
    std::vector<std::string> rows = {"network\t" + network->GetDescription()};
    Walk(*network, "network", rows, true);
    // TALIX_WRITE_EXPECTED_TREE=FILE writes what the tree holds now, to review against what it should hold.
    if (const char* file = std::getenv("TALIX_WRITE_EXPECTED_TREE")) {
        std::ofstream out(file);
        for (const auto& row : rows) out << row << '\n';
    }
    auto expected = ExpectedRows();
    size_t pathRows = std::count_if(expected.begin(), expected.end(),
                                    [](const std::string& row) { return row.rfind("network", 0) == 0; });
    ASSERT_EQ(pathRows, 243u);  // network itself, 90 namespaces below it, 152 commands
    // Compared as one text: a difference is shown as a diff, with the rows around it.
    std::string actualText, expectedText;
    for (const auto& row : rows) actualText += row + "\n";
    for (const auto& row : expected) expectedText += row + "\n";
    EXPECT_EQ(actualText, expectedText);
}

void RecordNames(const Parvik::MetaObj::MetaObject* object, std::set<std::string>& names) {
    using namespace Parvik::MetaObj;
    if (!object) return;
    if (object->GetType() == META_LIST) {
        RecordNames(static_cast<const MetaList&>(*object).GetElementTemplate().get(), names);
    } else if (object->GetType() == META_STRUCT) {
        auto& record = static_cast<const MetaStruct&>(*object);
        names.insert(record.GetName());
        for (const auto& field : record.GetFields()) RecordNames(field.value.get(), names);
    }
}

void CommandsBelow(const NamespaceNode& node, const std::string& path,
                   std::vector<std::pair<std::string, Parvik::AutoCli::Command*>>& commands) {
    for (const auto& child : node.GetChildren()) {
        std::string childPath = path + " " + child.first;
        if (child.second->GetType() == Parvik::AutoCli::NODE_COMMAND) {
            commands.emplace_back(childPath, static_cast<Parvik::AutoCli::Command*>(child.second.get()));
        } else {
            CommandsBelow(*child.second, childPath, commands);
        }
    }
}

// "fields:", "header:" and "units:" keys name the record they apply to; a key
// naming no record of the output never applies. Four such keys are part of
// their commands as fixed, and their golden default output shows what users get
// (every field, no heading); any other is a slip.
TEST(NetworkTree, OutputParametersNameARecordOfTheOutputExceptFourKnownOnes) {
    TalixTest::CliHarness cli;
    std::vector<std::pair<std::string, Parvik::AutoCli::Command*>> commands;
    CommandsBelow(*cli.GetDispatcher().Root(), "", commands);
    std::vector<std::string> strays;
    for (const auto& entry : commands) {
        std::set<std::string> records;
        auto output = entry.second->GetOutputSpec();
        RecordNames(output->GetRootObject().get(), records);
        for (const auto& parameter : entry.second->GetDefaultOutputParameters()) {
            const std::string& key = parameter.first;
            size_t colon = key.find(':');
            if (colon == std::string::npos) continue;
            std::string record = key.substr(colon + 1);
            if (key.compare(0, colon, "units") == 0) record = record.substr(0, record.find('.'));
            if (!records.count(record)) strays.push_back(entry.first.substr(1) + " " + key);
        }
    }
    EXPECT_EQ(strays, (std::vector<std::string>{"network multicast group list fields:Interface",
                                                "network sriovnic vf stats header:VF",
                                                "network sriovnic vf stats fields:VFStats",
                                                "network vswitch dvs norvale lacp stats get fields:LACP"}));
}

// Every command says whether it changes the host, where it is registered: an
// undeclared one would be run under the exclusive lock by default.
TEST(NetworkTree, EveryCommandDeclaresItsHostAccess) {
    TalixTest::CliHarness cli;
    std::vector<std::pair<std::string, Parvik::AutoCli::Command*>> commands;
    CommandsBelow(*cli.GetDispatcher().Root(), "", commands);
    ASSERT_EQ(commands.size(), 152u);
    std::vector<std::string> undeclared;
    for (const auto& entry : commands) {
        if (entry.second->GetHostAccess() == Parvik::AutoCli::CommandSpec::HOST_UNDECLARED) {
            undeclared.push_back(entry.first.substr(1));
        }
    }
    EXPECT_EQ(undeclared, std::vector<std::string>{});
}

TEST(NetworkTree, RegistersOneClassTwiceWithAnObjectAtEachPath) {
    TalixTest::CliHarness cli;
    size_t consumed = 0;
    auto get = cli.GetDispatcher().Root()->ResolveNode({"network", "ip", "interface", "ipv4", "get"}, consumed);
    auto list =
        cli.GetDispatcher().Root()->ResolveNode({"network", "ip", "interface", "ipv4", "address", "list"}, consumed);
    ASSERT_EQ(consumed, 6u);
    EXPECT_EQ(ClassName(*get), "IpInterfaceIpv4Get");
    EXPECT_EQ(ClassName(*list), "IpInterfaceIpv4Get");
    EXPECT_NE(get.get(), list.get());
    // That no other class is registered twice, expected_tree.tsv shows path by path.
}

TEST(NetworkTree, EveryCommandKnowsItselfThroughItsOwnSharedPointer) {
    TalixTest::CliHarness cli;
    size_t consumed = 0;
    auto node = cli.GetDispatcher().Root()->ResolveNode({"network", "ens", "lcore", "add"}, consumed);
    ASSERT_EQ(consumed, 4u);
    EXPECT_EQ(node->GetThis().get(), node.get());
    EXPECT_EQ(node->GetParent()->GetName(), "lcore");
}

}  // namespace
