// Faults the bad-input sweep found, each pinned by a focused case: through the
// framework on an in-memory host.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using nlohmann::json;
using Parvik::AutoCli::EXIT_COMMAND_ERROR;
using Parvik::AutoCli::EXIT_USAGE;
using TalixTest::Errors;

class BadInputRegression : public TalixTest::MemoryHostTest {
protected:
    json Host() {
        return json::parse(R"({"pnics": {"pnics": [{"name": "pnic0", "supportsMessageLevel": true, "messageLevel": 7,
            "coalesce": {"supported": true, "rxUsecs": 3}, "ring": {"rx": 512, "tx": 512},
            "ringMax": {"rx": 4096, "rxMini": 0, "rxJumbo": 0, "tx": 4096}}]},
            "vswitches": {"vswitches": [{"name": "vs0", "numPorts": 64, "mtu": 1500}]}})");
    }
    void SetUp() override {
        MemoryHostTest::SetUp();
        UseHost(Host());
    }
    Parvik::AutoCli::Invocation Invoke(std::vector<std::string> args) { return cli.Invoke(args); }
};

TEST_F(BadInputRegression, ValuesAreBoundedUtf8TextWithoutControlCharacters) {
    json before = Section("vswitches");
    for (const auto& row : TalixTest::ReadCaseTable("robustness/bounded_values.tsv", 2)) {
        SCOPED_TRACE(row.where);
        auto result = Invoke({"network", "vswitch", "standard", "portgroup", "add", "-v", "vs0", "-p", row.fields[0]});
        EXPECT_EQ(result.status, EXIT_USAGE);
        EXPECT_EQ(Errors(result), std::vector<std::string>{row.fields[1]});
    }
    EXPECT_EQ(Section("vswitches"), before);
    // UTF-8 text of any script is a value like any other.
    auto accepted = Invoke({"network", "vswitch", "standard", "portgroup", "add", "-v", "vs0", "-p", "Gäste-Netz ✓"});
    EXPECT_EQ(accepted.status, 0) << Errors(accepted)[0];
}

TEST_F(BadInputRegression, LongValuesAreShortenedInMessages) {
    auto result = Invoke({"network", "nic", "set", "-n", "pnic0", "--duplex", std::string(3000, 'h') + "alf"});
    ASSERT_EQ(result.status, EXIT_USAGE);
    const std::string message = Errors(result)[0];
    EXPECT_LT(message.size(), 200u) << message;
    EXPECT_NE(message.find("(3003 bytes)"), std::string::npos) << message;
    EXPECT_NE(message.find("--duplex"), std::string::npos) << message;
}

TEST_F(BadInputRegression, PatternCheckedValueOfOneMebibyteIsRefusedWithoutCrashing) {
    // The pattern matcher recursed once per character and overflowed the stack.
    auto result = Invoke({"network", "nic", "set", "-n", "pnic0", "--wake-on-lan", std::string(1 << 20, 'a')});
    EXPECT_EQ(result.status, EXIT_USAGE);
    EXPECT_EQ(Errors(result),
              std::vector<std::string>{
                  "Invalid value for --wake-on-lan: it is 1048576 bytes long, at most 4096 are accepted."});
}

TEST_F(BadInputRegression, NicIntegersOutsideThirtyTwoBitsAreRefusedNotWrapped) {
    json before = Section("pnics");
    for (const auto& row : TalixTest::ReadCaseTable("robustness/nic_integers.tsv", 2)) {
        SCOPED_TRACE(row.where);
        auto result = cli.Invoke(row.fields[0]);
        EXPECT_EQ(result.status, EXIT_COMMAND_ERROR);
        EXPECT_EQ(Errors(result), std::vector<std::string>{row.fields[1]});
    }
    EXPECT_EQ(Section("pnics"), before);
    // 32-bit values still reach the host, which judges them; -1 is all ones.
    EXPECT_EQ(Errors(Invoke({"network", "nic", "ring", "current", "set", "-n", "pnic0", "--rx", "-1"})),
              std::vector<std::string>{"RX ring size 4294967295 exceeds the maximum of 4096 on pnic0"});
    auto ring = Invoke({"network", "nic", "ring", "current", "set", "-n", "pnic0", "--rx", "1024"});
    EXPECT_EQ(ring.status, 0) << Errors(ring)[0];
    EXPECT_EQ(Section("pnics")["pnics"][0]["ring"]["rx"], 1024);
}

}  // namespace
