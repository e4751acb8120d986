// What each firewall command declares to the framework: help texts, default
// formatter and output parameters, parameters, and the shape of its output.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace FirewallTest {
namespace {

using nlohmann::json;
using namespace Parvik;

// A record template as {"name": ..., "fields": ["field: kind", ...]}.
json Shape(const MetaObj::MetaObjectPtr& object) {
    static const char* kinds[] = {"bool", "int", "string", "record", "list"};
    if (object->GetType() == MetaObj::META_LIST) {
        auto list = std::static_pointer_cast<MetaObj::MetaList>(object);
        if (list->GetElementType() == MetaObj::META_STRING) return "list of string";
        return {{"list of", Shape(list->GetElementTemplate())}};
    }
    if (object->GetType() != MetaObj::META_STRUCT) return kinds[object->GetType()];
    auto record = std::static_pointer_cast<MetaObj::MetaStruct>(object);
    json fields = json::array();
    for (const auto& field : record->GetFields()) {
        json kind = Shape(field.second);
        fields.push_back(field.first + ": " + (kind.is_string() ? kind.get<std::string>() : kind.dump()));
    }
    return {{"name", record->GetName()}, {"fields", fields}};
}

json Describe(AutoCli::Command& command) {
    json parameters = json::array();
    auto inputSpec = command.GetInputSpec();
    for (const auto& parameter : inputSpec->GetParameters()) {
        parameters.push_back({parameter->GetName(), parameter->GetShortName(), parameter->GetType(),
                              parameter->IsRequired(), parameter->GetDescription()});
    }
    json outputParameters = json::object();
    for (const auto& parameter : command.GetDefaultOutputParameters()) {
        outputParameters[parameter.first] = parameter.second;
    }
    return {{"description", command.GetDescription()},
            {"formatter", command.GetDefaultOutputFormatter()},
            {"output parameters", outputParameters},
            {"parameters", parameters},
            {"root", Shape(command.GetOutputSpec()->GetRootObject())}};
}

json Record(const std::string& name, const std::vector<std::string>& fields) {
    return json::object({{"name", name}, {"fields", fields}});
}

json RulesetRecord() {
    return Record("Ruleset", {"Name: string", "Enabled: bool", "Enable/Disable configurable: bool",
                              "Allowed IP configurable: bool"});
}

json ListOf(const json& record) { return json::object({{"list of", record}}); }

const int kString = CallSpec::PARAM_STRING;
const int kBool = CallSpec::PARAM_BOOLEAN;

json Parameter(const char* name, const char* shortName, int type, bool required, const char* description) {
    return json::array({name, shortName, type, required, description});
}

json RulesetId(bool required, const char* description = "The label of the ruleset.") {
    return Parameter("ruleset-id", "r", kString, required, description);
}

json Command(const char* description, const char* formatter, const json& outputParameters,
             const std::vector<json>& parameters, const json& root) {
    return json::object({{"description", description},
                         {"formatter", formatter},
                         {"output parameters", outputParameters},
                         {"parameters", parameters},
                         {"root", root}});
}

json Boolean(const char* description, const std::vector<json>& parameters = {}) {
    return Command(description, "", json::object(), parameters, "bool");
}

TEST(FirewallSpec, EveryCommandDeclaresItsContract) {
    const std::string r = "network firewall ruleset ";
    std::map<std::string, json> expected;
    expected["network firewall get"] =
        Command("Get the firewall status.", "simple", json::object(), {},
                Record("Firewall", {"Loaded: bool", "Enabled: bool", "DefaultAction: string"}));
    expected["network firewall set"] = Boolean(
        "Set firewall enabled status and default action.",
        {Parameter("enabled", "e", kBool, false,
                   "Set to true to enable the firewall, set to false to disable the firewall."),
         Parameter("default-action", "d", kBool, false, "Set to true to set defaultaction PASS, set to false to DROP.")});
    expected["network firewall load"] = Boolean("Load firewall module and rulesets configuration.");
    expected["network firewall refresh"] = Boolean("Load ruleset configuration for firewall.");
    expected["network firewall unload"] = Boolean("Allow unload firewall module.");
    expected[r + "list"] =
        Command("List the rulesets in firewall.", "table",
                json::object({{"fields:Ruleset", "Name,Enabled,Enable/Disable configurable,Allowed IP configurable"}}),
                {RulesetId(false, "List configuration for specfic ruleset")}, ListOf(RulesetRecord()));
    expected[r + "set"] = Boolean(
        "Set firewall ruleset status (allowedAll flag and enabled status).",
        {RulesetId(true),
         Parameter("allowed-all", "a", kBool, false, "Set to true to allowed all ip, set to false to use allowed ip list."),
         Parameter("enabled", "e", kBool, false, "Set to true to enable ruleset, set to false to disable it.")});
    expected[r + "rule list"] = Command(
        "List the rules of each ruleset in firewall.", "table",
        json::object({{"fields:FirewallPortRule", "Ruleset,Direction,Protocol,Port Type,Port Begin,Port End"}}),
        {RulesetId(false, "List rules for specfic ruleset")},
        ListOf(Record("FirewallPortRule", {"Ruleset: string", "Port Type: string", "Port Begin: int",
                                           "Port End: int", "Direction: string", "Protocol: string"})));
    expected[r + "allowedip list"] =
        Command("List allowed IP addresses for rulesets.", "table",
                json::object({{"fields:FirewallRulesetAllowedip", "Ruleset,Allowed IP Addresses"}}), {RulesetId(false)},
                ListOf(Record("FirewallRulesetAllowedip",
                              {"Ruleset: string", "Allowed IP Addresses: list of string"})));
    const json ipAddress = Parameter("ip-address", "i", kString, true, "Allowed ip address/range for the ruleset.");
    expected[r + "allowedip add"] =
        Boolean("Add allowed IP address/range to the ruleset.", {RulesetId(true), ipAddress});
    expected[r + "allowedip remove"] =
        Boolean("Remove allowed IP address/range from the ruleset.", {RulesetId(true), ipAddress});
    expected[r + "client add"] = Boolean(
        "Add a new client to a firewall ruleset. This enables the firewall ruleset and increments the number of "
        "clients using the ruleset.",
        {RulesetId(true)});
    expected[r + "client remove"] = Boolean(
        "Remove a client from a firewall ruleset. This decrements the number of clients using the ruleset and if the "
        "number reaches zero the ruleset is disabled.",
        {RulesetId(true)});
    expected[r + "client get"] =
        Command("Show the number of clients using a firewall ruleset.", "simple",
                json::object({{"fields:FirewallRulesetClientGet", "Ruleset Client Count"}}), {RulesetId(true)},
                Record("FirewallRulesetClientGet", {"Ruleset Client Count: int"}));

    TalixTest::CliHarness cli;
    for (const auto& entry : expected) {
        auto words = TalixTest::SplitWords(entry.first);
        std::shared_ptr<AutoCli::NamespaceNode> node = cli.GetDispatcher().Root();
        for (const auto& word : words) {
            ASSERT_TRUE(node) << entry.first;
            node = node->GetNamespaceNode(word);
        }
        ASSERT_TRUE(node) << entry.first;
        auto command = std::dynamic_pointer_cast<AutoCli::Command>(node);
        ASSERT_TRUE(command) << entry.first;
        EXPECT_EQ(Describe(*command), entry.second) << entry.first;
    }
    EXPECT_EQ(expected.size(), 14u);
}

}  // namespace
}  // namespace FirewallTest
