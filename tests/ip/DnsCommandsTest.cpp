// DNS server and search-domain commands, and the resolver files they keep.
#include "IpStackFixtures.h"

namespace {

using IpStackTest::IpStackHostTest;
using nlohmann::json;

const char kResolver[] = "etc/resolv.conf";

class DnsCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseHost({{"netstacks", IpStackTest::Netstacks({"backupNet"})}},
                {{kResolver, "# kept\nnameserver 10.0.0.2\nsearch a.example b.example\n"}});
    }
};

TEST_F(DnsCommands, ServerAddAppendsBothFamiliesAndListKeepsOrder) {
    EXPECT_EQ(Run("network ip dns server add -s 10.0.0.3").root, true);
    EXPECT_EQ(Run("network ip dns server add -s 2001:DB8::53").root, true);
    EXPECT_EQ(Run("network ip dns server list").root,
              json({{"DNS Servers", {"10.0.0.2", "10.0.0.3", "2001:db8::53"}}}));
    EXPECT_EQ(
        File(kResolver),
        "# kept\nnameserver 10.0.0.2\nnameserver 10.0.0.3\nnameserver 2001:db8::53\nsearch a.example b.example\n");
}

TEST_F(DnsCommands, ServerTextThatIsNoAddressIsRefusedBeforeAnyChange) {
    for (const char* command :
         {"network ip dns server add -s ns1.example", "network ip dns server remove -s ns1.example"}) {
        ExpectRefused(command, "The specified address 'ns1.example' is not recognised as a valid IP address");
    }
    EXPECT_EQ(File(kResolver), "# kept\nnameserver 10.0.0.2\nsearch a.example b.example\n");
}

TEST_F(DnsCommands, ServerRemoveNeedsExactlyOneOfAllAndServer) {
    for (const char* command : {"network ip dns server remove", "network ip dns server remove -a -s 10.0.0.2"}) {
        ExpectRefused(command, "You must specify exactly one of: --all, --server");
    }
    EXPECT_EQ(Run("network ip dns server list").root, json({{"DNS Servers", {"10.0.0.2"}}}));
}

TEST_F(DnsCommands, ServerRemoveOneOrAll) {
    Run("network ip dns server add -s 10.0.0.3");
    EXPECT_EQ(Run("network ip dns server remove -s 10.0.0.2").root, true);
    EXPECT_EQ(Run("network ip dns server list").root, json({{"DNS Servers", {"10.0.0.3"}}}));
    EXPECT_EQ(Run("network ip dns server remove --all").root, true);
    EXPECT_EQ(Run("network ip dns server list").root, json({{"DNS Servers", json::array()}}));
    EXPECT_EQ(File(kResolver), "# kept\nsearch a.example b.example\n");
}

TEST_F(DnsCommands, HostRefusesDuplicatesAndAbsentEntries) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip dns server add -s 10.0.0.2", "DNS server 10.0.0.2 is already configured"},
             {"network ip dns server remove -s 10.9.9.9", "DNS server 10.9.9.9 is not configured"},
             {"network ip dns search add -d a.example", "Search domain a.example is already configured"},
             {"network ip dns search remove -d c.example", "Search domain c.example is not configured"},
             {"network ip dns server list -N noSuchStack", "Netstack instance noSuchStack does not exist"},
             // no resolver answers at these
             {"network ip dns server add -s 0.0.0.0", "DNS server 0.0.0.0 is the unspecified address"},
             {"network ip dns server add -s 255.255.255.255", "DNS server 255.255.255.255 is the broadcast address"},
             {"network ip dns server add -s 224.0.0.251", "DNS server 224.0.0.251 is a multicast address"},
             {"network ip dns server add -s ::", "DNS server :: is the unspecified address"},
             {"network ip dns server add -s ff02::fb", "DNS server ff02::fb is a multicast address"}}) {
        ExpectRefused(command, message);
    }
    EXPECT_EQ(File(kResolver), "# kept\nnameserver 10.0.0.2\nsearch a.example b.example\n");
}

TEST_F(DnsCommands, ALocalResolverOnLoopbackIsAccepted) {
    EXPECT_EQ(Run("network ip dns server add -s 127.0.0.53").root, true);
    EXPECT_EQ(Run("network ip dns server add -s ::1").root, true);
    EXPECT_EQ(File(kResolver),
              "# kept\nnameserver 10.0.0.2\nnameserver 127.0.0.53\nnameserver ::1\nsearch a.example b.example\n");
}

TEST_F(DnsCommands, SearchDomainsRoundTrip) {
    EXPECT_EQ(Run("network ip dns search list").root, json({{"DNS Search Domains", {"a.example", "b.example"}}}));
    EXPECT_EQ(Run("network ip dns search add -d c.example").root, true);
    EXPECT_EQ(Run("network ip dns search remove -d a.example").root, true);
    EXPECT_EQ(Run("network ip dns search list").root, json({{"DNS Search Domains", {"b.example", "c.example"}}}));
    EXPECT_EQ(File(kResolver), "# kept\nnameserver 10.0.0.2\nsearch b.example c.example\n");
}

TEST_F(DnsCommands, EachNetstackHasItsOwnResolverFileAndEmptyMeansDefault) {
    EXPECT_EQ(Run("network ip dns server add -s 10.5.0.2 -N backupNet").root, true);
    EXPECT_EQ(File("etc/netstack/backupNet/resolv.conf"), "nameserver 10.5.0.2\n");
    EXPECT_EQ(Run("network ip dns server list -N backupNet").root, json({{"DNS Servers", {"10.5.0.2"}}}));
    EXPECT_EQ(Run({"network", "ip", "dns", "server", "list", "-N", ""}).root, json({{"DNS Servers", {"10.0.0.2"}}}));
}

TEST_F(DnsCommands, FailedSaveChangesNothing) {
    InjectFault("DnsConfigImpl::SaveConfig", "resolver file is read-only");
    ExpectRefused("network ip dns server add -s 10.0.0.9", "resolver file is read-only");
    EXPECT_EQ(File(kResolver), "# kept\nnameserver 10.0.0.2\nsearch a.example b.example\n");
}

}  // namespace
