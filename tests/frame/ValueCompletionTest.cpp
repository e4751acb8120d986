// The plug-in's completion of parameters that name host objects, through the
// framework on the demo host in memory: the names offered are those the
// matching list command shows, and a failing host offers none, silently.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Completion.h"
#include "core/Backends.h"
#include "parvik/PluginHooks.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

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
    for (const auto& row : TalixTest::ReadCaseTable("frame/value_completion_cases.tsv", 3)) {
        SCOPED_TRACE(row.where);
        std::set<std::string> listed;
        if (!row.fields[1].empty()) {
            listed = Listed(row.fields[1], row.fields[2]);
            EXPECT_FALSE(listed.empty());  // the demo host has some of each
        }
        EXPECT_EQ(Complete(row.fields[0]), listed);
    }
}

// Port IDs: every port of every switch, each of which the statistics take,
// and the distributed ports the distributed switches list.
TEST_F(ValueCompletionTest, PortIdsAreThoseOfTheHostsSwitches) {
    const std::set<std::string> ports = Complete("network port stats get --portid");
    EXPECT_EQ(Complete("network port filter stats get -p"), ports);
    for (const auto& world : Listed("network vm list", "World ID")) {
        for (const auto& port : Listed("network vm port list -w " + world, "Port ID")) {
            EXPECT_TRUE(ports.count(port)) << port;
        }
    }
    for (const auto& port : ports) {
        EXPECT_EQ(cli.Invoke("network port stats get -p " + port).status, 0) << port;
    }

    std::set<std::string> dvports;
    for (const auto& dvs : TalixTest::RootJson(cli.Invoke("network vswitch dvs norvale list"))) {
        for (const auto& port : dvs.at("DVPort")) dvports.insert(port.at("Port ID").get<std::string>());
    }
    EXPECT_FALSE(dvports.empty());
    EXPECT_EQ(Complete("network ip interface add -i lmx9 -s cds-east --dvport-id"), dvports);
    EXPECT_EQ(Complete("network ip interface remove -P"), dvports);

    InjectFault("VirtualSwitchInfoImpl::GetAllSwitches", "switch table unavailable");
    InjectFault("VirtualSwitchInfoImpl::GetDVSwitches", "switch table unavailable");
    EXPECT_EQ(Complete("network port stats get --portid"), std::set<std::string>{});
    EXPECT_EQ(Complete("network ip interface remove -P"), std::set<std::string>{});
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
