// The commands' own checks of words the framework already limits to their
// choices: called directly, as another front end could, a command still names
// the word it does not know and changes nothing.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using DirectCallTest = VswitchHostTest;

TEST_F(DirectCallTest, FailoverSetNamesAnUnknownPolicyOrDetectionWord) {
    UseHost(Host(json::array({{{"name", "vs-a"}, {"uplinks", {"pnic0", "pnic1"}}}})));
    const json before = Section("vswitches");
    size_t consumed = 0;
    auto command = std::dynamic_pointer_cast<Parvik::AutoCli::Command>(cli.GetDispatcher().Root()->ResolveNode(
        {"network", "vswitch", "standard", "policy", "failover", "set"}, consumed));
    ASSERT_TRUE(command);
    const std::vector<std::pair<std::map<std::string, std::string>, std::vector<std::string>>> cases = {
        {{{"load-balancing", "roundrobin"}}, {"Unknown Load Balancing policy: roundrobin"}},
        {{{"failure-detection", "carrier"}}, {"Unknown failure detection type carrier"}},
        {{{"load-balancing", "x"}, {"failure-detection", "y"}},
         {"Unknown Load Balancing policy: x", "Unknown failure detection type y"}},
    };
    for (const auto& [given, messages] : cases) {
        auto input = std::make_shared<Parvik::CallSpec::Input>();
        input->AddValue("vswitch-name", "vs-a");
        for (const auto& [name, value] : given) input->AddValue(name, value);
        auto output = std::make_shared<Parvik::CallSpec::Output>();
        command->Execute(input, output);
        EXPECT_EQ(output->GetErrorMessages(), messages) << messages[0];
    }
    EXPECT_EQ(Section("vswitches"), before);
}

}  // namespace
}  // namespace VswitchTest
