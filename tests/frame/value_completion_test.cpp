// The plug-in's completion of parameters that name host objects, through the
// framework on the demo host in memory: the names offered are those the
// matching list command shows, and a failing host offers none, silently.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Completion.h"
#include "core/Backends.h"
#include "support/CliHarness.h"

extern "C" void AutoCli_CompleteValues(const char* path, const char* parameter,
                                       void (*add)(void* context, const char* value), void* context);

namespace {

void AddTo(void* context, const char* value) { static_cast<std::vector<std::string>*>(context)->emplace_back(value); }

class ValueCompletionTest : public TalixTest::MemoryHostTest {
protected:
    void SetUp() override {
        std::map<std::string, std::string> files;
        for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
        UseHost(nlohmann::json::object(), files);
        Parvik::AutoCli::SetValueCompletionOverride([](const std::string& path, const std::string& parameter) {
            std::vector<std::string> values;
            AutoCli_CompleteValues(path.c_str(), parameter.c_str(), &AddTo, &values);
            return values;
        });
    }
    void TearDown() override { Parvik::AutoCli::SetValueCompletionOverride(nullptr); }

    std::set<std::string> Complete(const std::string& words) {
        auto run = cli.Run("--complete " + words);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        std::set<std::string> candidates;
        size_t start = 0;
        for (size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
            candidates.insert(run.out.substr(start, end - start));
        }
        return candidates;
    }

    // One field of every record a list command returns, as text.
    std::set<std::string> Listed(const std::string& command, const std::string& field) {
        auto invocation = cli.Invoke(command);
        EXPECT_EQ(invocation.status, 0) << command;
        std::set<std::string> values;
        for (const auto& record : TalixTest::RootJson(invocation)) {
            const auto& value = record.at(field);
            values.insert(value.is_string() ? value.get<std::string>() : value.dump());
        }
        return values;
    }
};

TEST_F(ValueCompletionTest, EachKindOfHostObjectCompletesToTheNamesItsListShows) {
    struct Case {
        const char* words;
        const char* listCommand;
        const char* field;
    };
    const Case cases[] = {
        {"network nic get --nic-name", "network nic list", "Name"},
        {"network nic tso get -n", "network nic list", "Name"},
        {"network vswitch standard uplink add --vswitch-name x --uplink-name", "network nic list", "Name"},
        {"network vswitch standard remove --vswitch-name", "network vswitch standard list", "Name"},
        {"network vswitch dvs norvale list --cds-name", "network vswitch dvs norvale list", "Name"},
        {"network vswitch standard portgroup remove -v x --portgroup-name", "network vswitch standard portgroup list",
         "Name"},
        {"network ip interface ipv4 get --interface-name", "network ip interface list", "Name"},
        {"network ip route ipv4 list --netstack", "network ip netstack list", "Key"},
        {"network firewall ruleset set --ruleset-id", "network firewall ruleset list", "Name"},
        {"network vm port list --world-id", "network vm list", "World ID"},
        {"network ens lcore switch get --lcore-id", "network ens lcore list", "Lcore ID"},
    };
    for (const auto& c : cases) {
        const auto listed = Listed(c.listCommand, c.field);
        EXPECT_FALSE(listed.empty()) << c.listCommand;  // the demo host has some of each
        EXPECT_EQ(Complete(c.words), listed) << c.words;
    }
}

TEST_F(ValueCompletionTest, ParametersNamingWhatACommandCreatesOrNoHostObjectOfferNothing) {
    for (const char* words :
         {"network vswitch standard add --vswitch-name", "network vswitch standard portgroup add --portgroup-name",
          "network ip interface add --interface-name", "network ip netstack add --netstack",
          "network ens lcore add --lcore-id", "network ip hosts add --hostname"}) {
        EXPECT_EQ(Complete(words), std::set<std::string>{}) << words;
    }
    // The switch of a new port group is an existing one.
    EXPECT_EQ(Complete("network vswitch standard portgroup add -p new --vswitch-name"),
              Listed("network vswitch standard list", "Name"));
}

TEST_F(ValueCompletionTest, AFailingHostOperationOffersNoNamesAndShowsNoError) {
    InjectFault("VirtualSwitchInfoImpl::GetVirtualSwitches", "switch table unavailable");
    InjectFault("NetworkInfo::ListNetstackInstances", "netstack table unavailable");
    EXPECT_EQ(Complete("network vswitch standard remove --vswitch-name"), std::set<std::string>{});
    EXPECT_EQ(Complete("network ip route ipv4 list --netstack"), std::set<std::string>{});
    // Other kinds still complete.
    EXPECT_EQ(Complete("network nic get --nic-name"), Listed("network nic list", "Name"));
}

}  // namespace
