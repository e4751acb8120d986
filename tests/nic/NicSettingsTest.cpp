// NIC statistics, offloads, software simulation, coalescing, rings and pause
// through the framework on an in-memory host: refusals and host failures
// (values and changes are in the nic-settings transcript).
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json Nic(const std::string& name) { return {{"name", name}, {"driver", "cvx10"}, {"pciAddress", "0000:3b:00.0"}}; }

using NicStatsTest = NicCommandTest;

TEST_F(NicStatsTest, FailuresArePrefixed) {
    UseHostFolder("one-pnic");
    EXPECT_EQ(OnlyError("network nic stats get -n pnic5"), "Unable to get stats for NIC: No such pnic: pnic5");
    InjectFault("PnicImpl::GetPnicStats", "counters unavailable");
    EXPECT_EQ(OnlyError("network nic stats get -n pnic0"), "Unable to get stats for NIC: counters unavailable");
}

using NicOffloadTest = NicCommandTest;

TEST_F(NicOffloadTest, Failures) {
    json limited = Nic("usbnic0");
    limited["offloadCapable"] = {{"rxChecksum", true}, {"txChecksum", false}, {"scatterGather", false}, {"tso", false}};
    limited["offload"] = {{"rxChecksum", false}, {"txChecksum", false}, {"scatterGather", false}, {"tso", false}};
    UseNics({limited});
    for (const char* command : {"cso get", "tso get", "sg get", "cso set -e 1", "tso set -e 1", "sg set -e 0"}) {
        ExpectRefused(std::string("network nic ") + command + " -n pnic3", "Pnic with name pnic3 not found");
    }
    // Checksum offload is set in both directions at once, so one missing direction refuses both.
    ExpectRefused("network nic cso set -n usbnic0 -e 1", "usbnic0 does not support TX checksum offload");
    ExpectRefused("network nic tso set -n usbnic0 -e 1", "usbnic0 does not support TCP segmentation offload");
    EXPECT_EQ(cli.Invoke("network nic tso set -n usbnic0 -e 2").status, Parvik::AutoCli::EXIT_USAGE);
    InjectFault("Pnic::GetOffloadSettings", "offload query failed");
    EXPECT_EQ(OnlyError("network nic sg get"), "offload query failed");
}

using NicSoftwareTest = NicCommandTest;

TEST_F(NicSoftwareTest, SetWithoutOptionsMakesNoChangeCall) {
    UseHostFolder("one-pnic");
    InjectFault("Pnic::SetSoftwareSettings", "must not be called");
    EXPECT_EQ(Root("network nic software set -n pnic0"), true);
    EXPECT_EQ(OnlyError("network nic software set -n pnic0 --tagging true"), "must not be called");
    EXPECT_EQ(OnlyError("network nic software set -n pnic2 --tagging true"), "Pnic with name pnic2 not found");
}

using NicCoalesceTest = NicCommandTest;

TEST_F(NicCoalesceTest, Failures) {
    json without = Nic("usbnic0");
    without["coalesce"] = {{"supported", false}};
    UseNics({Nic("pnic0"), without});
    for (const char* command : {"coalesce get", "coalesce set", "coalesce high get", "coalesce high set",
                                "coalesce low get", "coalesce low set"}) {
        ExpectRefused(std::string("network nic ") + command + " -n pnicX", "Pnic with name pnicX not found");
        ExpectRefused(std::string("network nic ") + command + " -n usbnic0",
                      "usbnic0 does not support interrupt coalescing");
    }
    ExpectRefused("network nic coalesce set -n pnic0 -r -5", "Invalid coalescing value 4294967291 for pnic0");
    for (const char* interval : {"0", "3601"}) {
        EXPECT_EQ(cli.Invoke(std::string("network nic coalesce set -n pnic0 -i ") + interval).status,
                  Parvik::AutoCli::EXIT_USAGE);
    }
    // Every set writes the record back, even with no option given.
    InjectFault("Pnic::SetCoalesceParams", "write failed");
    EXPECT_EQ(OnlyError("network nic coalesce low set -n pnic0"), "write failed");
}

using NicRingTest = NicCommandTest;

TEST_F(NicRingTest, Failures) {
    UseHostFolder("one-pnic");
    for (const char* command : {"ring current get", "ring preset get", "ring current set -r 8"}) {
        ExpectRefused(std::string("network nic ") + command + " -n eth0", "NIC with name eth0 not found");
    }
    const struct {
        std::string options;
        std::string message;
    } refusals[] = {
        {"-r 4097", "RX ring size 4097 exceeds the maximum of 4096 on pnic0"},
        {"-r 256 -t 8192", "TX ring size 8192 exceeds the maximum of 4096 on pnic0"},
        {"-m 1", "RX mini ring size 1 exceeds the maximum of 0 on pnic0"},
        {"-j 64", "RX jumbo ring size 64 exceeds the maximum of 0 on pnic0"},
        {"-t 0", "TX ring size must be at least 1 on pnic0"},
        {"-r -1", "RX ring size 4294967295 exceeds the maximum of 4096 on pnic0"},
    };
    for (const auto& refusal : refusals) {
        ExpectRefused("network nic ring current set -n pnic0 " + refusal.options, refusal.message);
    }
    // Without a size there is nothing to apply.
    InjectFault("Pnic::SetRingParams", "must not be called");
    EXPECT_EQ(Root("network nic ring current set -n pnic0"), true);
}

using NicPauseTest = NicCommandTest;

TEST_F(NicPauseTest, Failures) {
    json none = Nic("usbnic0");
    none["pause"] = {{"supported", false}};
    UseNics({Nic("pnic0"), none});
    EXPECT_EQ(OnlyError("network nic pauseParams list -n pnicX"), "NIC with name pnicX not found");
    EXPECT_EQ(OnlyError("network nic pauseParams set -n pnicX -r true"), "NIC with name pnicX not found");
    EXPECT_EQ(OnlyError("network nic pauseParams set -n usbnic0 -r true"), "usbnic0 does not support pause parameters");
    // Every set writes the record back, even with no option given.
    InjectFault("Pnic::SetPauseParams", "write failed");
    EXPECT_EQ(OnlyError("network nic pauseParams set -n pnic0"), "write failed");
}

}  // namespace
}  // namespace NicTest
