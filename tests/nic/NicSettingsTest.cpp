// NIC statistics, offloads, software simulation, coalescing, rings and pause
// through the framework on an in-memory host.
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json Nic(const std::string& name) { return {{"name", name}, {"driver", "cvx10"}, {"pciAddress", "0000:3b:00.0"}}; }

using NicStatsTest = NicCommandTest;

TEST_F(NicStatsTest, MapsEveryCounterToItsField) {
    const std::pair<const char*, const char*> counters[] = {{"rxPackets", "Packets received"},
                                                            {"txPackets", "Packets sent"},
                                                            {"rxBytes", "Bytes received"},
                                                            {"txBytes", "Bytes sent"},
                                                            {"rxDropped", "Receive packets dropped"},
                                                            {"txDropped", "Transmit packets dropped"},
                                                            {"rxMulticast", "Multicast packets received"},
                                                            {"rxBroadcast", "Broadcast packets received"},
                                                            {"txMulticast", "Multicast packets sent"},
                                                            {"txBroadcast", "Broadcast packets sent"},
                                                            {"rxErrors", "Total receive errors"},
                                                            {"rxLengthErrors", "Receive length errors"},
                                                            {"rxOverErrors", "Receive over errors"},
                                                            {"rxCrcErrors", "Receive CRC errors"},
                                                            {"rxFrameErrors", "Receive frame errors"},
                                                            {"rxFifoErrors", "Receive FIFO errors"},
                                                            {"rxMissedErrors", "Receive missed errors"},
                                                            {"txErrors", "Total transmit errors"},
                                                            {"txAbortedErrors", "Transmit aborted errors"},
                                                            {"txCarrierErrors", "Transmit carrier errors"},
                                                            {"txFifoErrors", "Transmit FIFO errors"},
                                                            {"txHeartbeatErrors", "Transmit heartbeat errors"},
                                                            {"txWindowErrors", "Transmit window errors"}};
    // Distinct values show that no two fields are swapped; one needs more than 32 bits.
    json nic = Nic("pnic0");
    json expected = {{"NIC Name", "pnic0"}};
    uint64_t value = 100;
    for (const auto& [counter, field] : counters) nic["stats"][counter] = expected[field] = value++;
    nic["stats"]["rxBytes"] = expected["Bytes received"] = 9000000000123ull;
    UseNics({nic});
    EXPECT_EQ(Root("network nic stats get -n pnic0"), json::array({expected}));
}

TEST_F(NicStatsTest, FailuresArePrefixed) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(OnlyError("network nic stats get -n pnic5"), "Unable to get stats for NIC: No such pnic: pnic5");
    InjectFault("PnicImpl::GetPnicStats", "counters unavailable");
    EXPECT_EQ(OnlyError("network nic stats get -n pnic0"), "Unable to get stats for NIC: counters unavailable");
}

using NicOffloadTest = NicCommandTest;

TEST_F(NicOffloadTest, GetShowsOnOffPerNic) {
    json second = Nic("pnic1");
    second["offload"] = {{"rxChecksum", true}, {"txChecksum", false}, {"scatterGather", false}, {"tso", true}};
    UseNics({Nic("pnic0"), second});

    EXPECT_EQ(Root("network nic cso get"),
              (json{{{"NIC", "pnic0"}, {"RX Checksum Offload", "on"}, {"TX Checksum Offload", "on"}},
                    {{"NIC", "pnic1"}, {"RX Checksum Offload", "on"}, {"TX Checksum Offload", "off"}}}));
    EXPECT_EQ(Root("network nic tso get -n pnic1"), (json{{{"NIC", "pnic1"}, {"Value", "on"}}}));
    EXPECT_EQ(Root("network nic sg get -n pnic1"), (json{{{"NIC", "pnic1"}, {"Value", "off"}}}));
}

TEST_F(NicOffloadTest, SetChangesOnlyItsOwnOffload) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(Root("network nic cso set -n pnic0 -e 0"), true);
    EXPECT_EQ(StoredNic("pnic0")["offload"],
              (json{{"rxChecksum", false}, {"txChecksum", false}, {"scatterGather", true}, {"tso", true}}));
    EXPECT_EQ(Root("network nic tso set -n pnic0 -e 0"), true);
    EXPECT_EQ(Root("network nic sg set -n pnic0 -e 0"), true);
    EXPECT_EQ(Root("network nic cso set -n pnic0 -e 1"), true);
    EXPECT_EQ(StoredNic("pnic0")["offload"],
              (json{{"rxChecksum", true}, {"txChecksum", true}, {"scatterGather", false}, {"tso", false}}));
    EXPECT_EQ(Root("network nic tso get")[0]["Value"], "off");
}

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

TEST_F(NicOffloadTest, GetOnHostWithoutNicsIsEmpty) {
    UseNics({});
    EXPECT_EQ(Root("network nic cso get"), json::array());
}

using NicSoftwareTest = NicCommandTest;

TEST_F(NicSoftwareTest, ListShowsGeneveAfterVxlan) {
    json nic = Nic("pnic0");
    nic["software"] = {{"geneveOffload", true}, {"vlanUntagging", true}};
    UseNics({nic, Nic("pnic1")});
    auto list = Root("network nic software list -n pnic0");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], json::parse(R"({"Geneve Offload": "on", "High DMA": "off", "IPv4 CSO": "off",
        "IPv4 TSO": "off", "IPv6 CSO": "off", "IPv6 CSO Ext": "off",
        "IPv6 TSO": "off", "IPv6 TSO Ext": "off", "NIC": "pnic0",
        "Offset Based Offload": "off", "Scatter Gather": "off",
        "Scatter Gather MP": "off", "VLAN Tagging": "off",
        "VLAN Untagging": "on", "VXLAN Encap": "off"})"));
    EXPECT_EQ(list[0].size(), 15u);
    EXPECT_EQ(Root("network nic software list").size(), 2u);
}

TEST_F(NicSoftwareTest, ListStopsAtTheFirstUnknownName) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(OnlyError("network nic software list -n pnic0 -n pnic8 -n pnic9"), "Can't find PNIC with name pnic8");
}

TEST_F(NicSoftwareTest, SetAppliesOnlyTheOptionsGiven) {
    json nic = Nic("pnic0");
    nic["software"] = {{"geneveOffload", true}, {"ipv4Cso", true}};
    UseNics({nic});
    EXPECT_EQ(Root("network nic software set -n pnic0 --geneveoffload false --highdma true --sgsp yes"), true);
    auto software = StoredNic("pnic0")["software"];
    // ipv4Cso was not given: kept.
    EXPECT_EQ(json::array({software["geneveOffload"], software["highDma"], software["scatterGatherSpanPages"],
                           software["ipv4Cso"]}),
              json::array({false, true, true, true}));
    auto row = Root("network nic software list")[0];
    EXPECT_EQ(row, json::parse(R"({"Geneve Offload": "off", "High DMA": "on", "IPv4 CSO": "on",
        "IPv4 TSO": "off", "IPv6 CSO": "off", "IPv6 CSO Ext": "off",
        "IPv6 TSO": "off", "IPv6 TSO Ext": "off", "NIC": "pnic0",
        "Offset Based Offload": "off", "Scatter Gather": "off",
        "Scatter Gather MP": "on", "VLAN Tagging": "off",
        "VLAN Untagging": "off", "VXLAN Encap": "off"})"));
}

// Each option reaches its own setting and no other, through the command's
// option table and the host's table of stored settings alike.
TEST_F(NicSoftwareTest, EachOptionSetsItsOwnSettingOnly) {
    const struct {
        const char* option;
        const char* stored;
        const char* field;
    } rows[] = {
        {"ipv4cso", "ipv4Cso", "IPv4 CSO"},          {"ipv4tso", "ipv4Tso", "IPv4 TSO"},
        {"sg", "scatterGather", "Scatter Gather"},   {"obo", "offsetBasedOffload", "Offset Based Offload"},
        {"vxlanencap", "vxlanEncap", "VXLAN Encap"}, {"geneveoffload", "geneveOffload", "Geneve Offload"},
        {"ipv6tso", "ipv6Tso", "IPv6 TSO"},          {"ipv6tsoext", "ipv6TsoExt", "IPv6 TSO Ext"},
        {"ipv6cso", "ipv6Cso", "IPv6 CSO"},          {"ipv6csoext", "ipv6CsoExt", "IPv6 CSO Ext"},
        {"highdma", "highDma", "High DMA"},          {"sgsp", "scatterGatherSpanPages", "Scatter Gather MP"},
        {"tagging", "vlanTagging", "VLAN Tagging"},  {"untagging", "vlanUntagging", "VLAN Untagging"},
    };
    for (const auto& row : rows) {
        UseNics({Nic("pnic0")});
        EXPECT_EQ(Root(std::string("network nic software set -n pnic0 --") + row.option + " true"), true) << row.option;
        const json stored = StoredNic("pnic0")["software"];
        EXPECT_EQ(stored.size(), 14u);
        for (const auto& [key, value] : stored.items()) {
            EXPECT_EQ(value, key == row.stored) << row.option << " stored " << key;
        }
        const json listed = Root("network nic software list")[0];
        EXPECT_EQ(listed.size(), 15u);
        for (const auto& [field, value] : listed.items()) {
            if (field == "NIC") continue;
            EXPECT_EQ(value, field == row.field ? "on" : "off") << row.option << " listed " << field;
        }
    }
}

TEST_F(NicSoftwareTest, SetWithoutOptionsMakesNoChangeCall) {
    UseNics({Nic("pnic0")});
    InjectFault("Pnic::SetSoftwareSettings", "must not be called");
    EXPECT_EQ(Root("network nic software set -n pnic0"), true);
    EXPECT_EQ(OnlyError("network nic software set -n pnic0 --tagging true"), "must not be called");
    EXPECT_EQ(OnlyError("network nic software set -n pnic2 --tagging true"), "Pnic with name pnic2 not found");
}

using NicCoalesceTest = NicCommandTest;

TEST_F(NicCoalesceTest, GetShowsCapitalisedAdaptiveStates) {
    json nic = Nic("pnic0");
    nic["coalesce"] = {{"adaptiveRx", true}, {"adaptiveTx", false}, {"sampleInterval", 4}, {"rxUsecs", 50},
                       {"rxMaxFrames", 32},  {"txUsecs", 40},       {"txMaxFrames", 16}};
    UseNics({nic});
    EXPECT_EQ(Root("network nic coalesce get"),
              json::parse(R"([{"NIC": "pnic0", "RX microseconds": "50", "RX maximum frames": "32",
        "TX microseconds": "40", "TX Maximum frames": "16", "Adaptive RX": "On", "Adaptive TX": "Off",
        "Sample interval seconds": "4"}])"));
}

TEST_F(NicCoalesceTest, SetKeepsOptionsLeftOut) {
    UseNics({Nic("pnic0")});
    json nic = Nic("pnic1");
    nic["coalesce"] = {
        {"adaptiveTx", true}, {"sampleInterval", 9}, {"txMaxFrames", 12}, {"pktRateHigh", 7000}, {"rxUsecsLow", 2}};
    UseNics({Nic("pnic0"), nic});
    const json before = {Root("network nic coalesce get -n pnic1"), Root("network nic coalesce high get -n pnic1"),
                         Root("network nic coalesce low get -n pnic1")};
    EXPECT_EQ(Root("network nic coalesce set -n pnic1"), true);
    EXPECT_EQ(Root("network nic coalesce high set -n pnic1"), true);
    EXPECT_EQ(Root("network nic coalesce low set -n pnic1"), true);
    const json after = {Root("network nic coalesce get -n pnic1"), Root("network nic coalesce high get -n pnic1"),
                        Root("network nic coalesce low get -n pnic1")};
    EXPECT_EQ(after, before);

    EXPECT_EQ(Root("network nic coalesce set -n pnic0 -r 20 -T 8 -a true -i 30"), true);
    auto row = Root("network nic coalesce get -n pnic0")[0];
    EXPECT_EQ(row, json::parse(R"({"Adaptive RX": "On", "Adaptive TX": "Off", "NIC": "pnic0",
        "RX maximum frames": "0", "RX microseconds": "20",
        "Sample interval seconds": "30", "TX Maximum frames": "8",
        "TX microseconds": "0"})"));
}

// The record of pnic0's high or low rate coalescing set.
json RateSet(int rate, int rxTime, int rxPackets, int txTime, int txPackets) {
    return {{"NIC", "pnic0"},          {"Packet rate", rate},
            {"RX delay time", rxTime}, {"RX delay packets", rxPackets},
            {"TX delay time", txTime}, {"TX delay packets", txPackets}};
}

TEST_F(NicCoalesceTest, HighAndLowRateSetsAreSeparate) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(Root("network nic coalesce high set -n pnic0 -p 400000 -r 120 -R 128 -t 100 -T 64"), true);
    EXPECT_EQ(Root("network nic coalesce low set -n pnic0 -p 20000 -r 8"), true);
    // Only the packet rate: the delays stay as they were.
    EXPECT_EQ(Root("network nic coalesce high set -n pnic0 -p 500000"), true);
    EXPECT_EQ(Root("network nic coalesce high get -n pnic0"), RateSet(500000, 120, 128, 100, 64));
    EXPECT_EQ(Root("network nic coalesce low get -n pnic0"), RateSet(20000, 8, 0, 0, 0));
    EXPECT_EQ(Root("network nic coalesce get")[0]["RX microseconds"], "3");  // general set untouched
}

// Every value reaches its own stored field and is shown from it: the values
// differ, so a field read or written in another's place shows.
TEST_F(NicCoalesceTest, EachValueIsStoredAndShownInItsOwnPlace) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(Root("network nic coalesce set -n pnic0 -r 11 -R 12 -t 13 -T 14 -a true -A false -i 15"), true);
    EXPECT_EQ(Root("network nic coalesce high set -n pnic0 -p 21 -r 22 -R 23 -t 24 -T 25"), true);
    EXPECT_EQ(Root("network nic coalesce low set -n pnic0 -p 31 -r 32 -R 33 -t 34 -T 35"), true);
    EXPECT_EQ(StoredNic("pnic0")["coalesce"], json::parse(R"({"supported": true, "adaptiveRx": true,
        "adaptiveTx": false, "sampleInterval": 15, "pktRateLow": 31, "pktRateHigh": 21, "rxUsecs": 11,
        "rxMaxFrames": 12, "txUsecs": 13, "txMaxFrames": 14, "rxUsecsLow": 32, "rxMaxFramesLow": 33,
        "txUsecsLow": 34, "txMaxFramesLow": 35, "rxUsecsHigh": 22, "rxMaxFramesHigh": 23, "txUsecsHigh": 24,
        "txMaxFramesHigh": 25})"));
    EXPECT_EQ(Root("network nic coalesce high get -n pnic0"), RateSet(21, 22, 23, 24, 25));
    EXPECT_EQ(Root("network nic coalesce low get -n pnic0"), RateSet(31, 32, 33, 34, 35));
    EXPECT_EQ(Root("network nic coalesce get -n pnic0"),
              json::parse(R"([{"NIC": "pnic0", "RX microseconds": "11", "RX maximum frames": "12",
        "TX microseconds": "13", "TX Maximum frames": "14", "Adaptive RX": "On", "Adaptive TX": "Off",
        "Sample interval seconds": "15"}])"));
}

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

TEST_F(NicRingTest, CurrentAndPresetSizes) {
    json nic = Nic("pnic0");
    nic["ringMax"] = {{"rx", 4096}, {"rxMini", 256}, {"rxJumbo", 1024}, {"tx", 2048}};
    nic["ring"] = {{"rx", 512}, {"rxMini", 0}, {"rxJumbo", 128}, {"tx", 256}};
    UseNics({nic});
    EXPECT_EQ(Root("network nic ring current get -n pnic0"),
              (json{{"RX", 512}, {"RX Mini", 0}, {"RX Jumbo", 128}, {"TX", 256}}));
    EXPECT_EQ(Root("network nic ring preset get -n pnic0"), (json{{"RX", 4096},
                                                                  {"RX Mini", 256},
                                                                  {"RX Jumbo", 1024},
                                                                  {"TX", 2048},
                                                                  {"Max RX", 4096},
                                                                  {"Max RX Mini", 256},
                                                                  {"Max RX Jumbo", 1024},
                                                                  {"Max TX", 2048}}));
}

TEST_F(NicRingTest, SetAppliesOnlyTheSizesGiven) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(Root("network nic ring current set -n pnic0 -t 512"), true);
    EXPECT_EQ(Root("network nic ring current get -n pnic0"),
              (json{{"RX", 1024}, {"RX Mini", 0}, {"RX Jumbo", 0}, {"TX", 512}}));
    EXPECT_EQ(Root("network nic ring current set -n pnic0 -r 4096 -t 4096"), true);
    EXPECT_EQ(StoredNic("pnic0")["ring"]["rx"], 4096);
}

// Each size reaches its own ring and no other, and is read back from it.
TEST_F(NicRingTest, EachSizeGoesToItsOwnRing) {
    const struct {
        const char* option;
        const char* stored;
        const char* field;
    } rows[] = {{"-r", "rx", "RX"}, {"-m", "rxMini", "RX Mini"}, {"-j", "rxJumbo", "RX Jumbo"}, {"-t", "tx", "TX"}};
    for (const auto& row : rows) {
        json nic = Nic("pnic0");
        nic["ringMax"] = {{"rx", 4096}, {"rxMini", 4096}, {"rxJumbo", 4096}, {"tx", 4096}};
        nic["ring"] = {{"rx", 1}, {"rxMini", 1}, {"rxJumbo", 1}, {"tx", 1}};
        UseNics({nic});
        EXPECT_EQ(Root(std::string("network nic ring current set -n pnic0 ") + row.option + " 77"), true) << row.option;
        const json stored = StoredNic("pnic0")["ring"];
        EXPECT_EQ(stored.size(), 4u);
        for (const auto& [key, value] : stored.items()) {
            EXPECT_EQ(value, key == row.stored ? 77 : 1) << row.option << " stored " << key;
        }
        const json listed = Root("network nic ring current get -n pnic0");
        EXPECT_EQ(listed.size(), 4u);
        for (const auto& [field, value] : listed.items()) {
            EXPECT_EQ(value, field == row.field ? 77 : 1) << row.option << " listed " << field;
        }
    }
}

TEST_F(NicRingTest, Failures) {
    UseNics({Nic("pnic0")});
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

TEST_F(NicPauseTest, ListResolvesAgainstTheLinkPartner) {
    json resolved = Nic("pnic0");
    resolved["pause"] = {{"autoNegotiation", true}, {"rx", true}, {"tx", false}, {"partnerPause", true}};
    json linkDown = Nic("pnic1");
    linkDown["linkUp"] = false;
    json forced = Nic("pnic2");
    forced["pause"] = {{"autoNegotiation", false}, {"rx", true}, {"tx", true}};
    json none = Nic("pnic3");
    none["pause"] = {{"supported", false}};
    UseNics({resolved, linkDown, forced, none});

    auto pause = [](const char* nic, bool supported, bool autoNegotiation, bool rx, bool tx, bool resolved,
                    bool rxResolved, bool txResolved) {
        return json{{"NIC", nic},
                    {"Pause Params Supported", supported},
                    {"Auto Negotiation", autoNegotiation},
                    {"Pause RX", rx},
                    {"Pause TX", tx},
                    {"Auto Negotiation Resolution Avail", resolved},
                    {"RX Auto Negotiation Resolution", rxResolved},
                    {"TX Auto Negotiation Resolution", txResolved}};
    };
    const json expected = json::array({
        pause("pnic0", true, true, true, false, true, true, false),
        pause("pnic1", true, true, true, true, false, false, false),  // no resolution without a link
        pause("pnic2", true, false, true, true, false, false, false),
        pause("pnic3", false, false, false, false, false, false, false),
    });
    EXPECT_EQ(Root("network nic pauseParams list"), expected);
    EXPECT_EQ(Root("network nic pauseParams list -n pnic2"), json::array({expected[2]}));
}

TEST_F(NicPauseTest, SetRoundTrip) {
    UseNics({Nic("pnic0")});
    EXPECT_EQ(Root("network nic pauseParams set -n pnic0 -t false"), true);
    EXPECT_EQ(Root("network nic pauseParams list -n pnic0")[0],
              json::parse(R"({"NIC": "pnic0", "Pause Params Supported": true, "Auto Negotiation": true,
        "Pause RX": true, "Pause TX": false, "Auto Negotiation Resolution Avail": true,
        "RX Auto Negotiation Resolution": true, "TX Auto Negotiation Resolution": false})"));
    EXPECT_EQ(Root("network nic pauseParams set -n pnic0 -a false -r false"), true);
    EXPECT_EQ(StoredNic("pnic0")["pause"]["autoNegotiation"], false);
    EXPECT_EQ(Root("network nic get -n pnic0")["Pause RX"], false);
}

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
