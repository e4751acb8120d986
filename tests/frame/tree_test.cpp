// The network plug-in's tree: every namespace with its description and every
// command path with its class, in registration order, and nothing else.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
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

// "path<TAB>description" for namespaces, "path<TAB>class Name" for commands, depth first.
void Walk(const NamespaceNode& node, const std::string& path, std::vector<std::string>& rows) {
    for (const auto& child : node.GetChildren()) {
        std::string childPath = path + " " + child.first;
        if (child.second->GetType() == Parvik::AutoCli::NODE_COMMAND) {
            rows.push_back(childPath + "\tclass " + ClassName(*child.second));
        } else {
            rows.push_back(childPath + "\t" + child.second->GetDescription());
            Walk(*child.second, childPath, rows);
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
    Walk(*network, "network", rows);
    auto expected = ExpectedRows();
    ASSERT_EQ(expected.size(), 243u);  // network itself, 90 namespaces below it, 152 commands
    // Compare row by row so a difference names the path.
    for (size_t i = 0; i < std::min(rows.size(), expected.size()); ++i) EXPECT_EQ(rows[i], expected[i]);
    EXPECT_EQ(rows.size(), expected.size());
}

TEST(NetworkTree, RegistersOneClassTwiceWithAnObjectAtEachPath) {
    TalixTest::CliHarness cli;
    size_t consumed = 0;
    auto get = cli.GetDispatcher().Root()->ResolveNode({"network", "ip", "interface", "ipv4", "get"}, consumed);
    auto list = cli.GetDispatcher().Root()->ResolveNode(
        {"network", "ip", "interface", "ipv4", "address", "list"}, consumed);
    ASSERT_EQ(consumed, 6u);
    EXPECT_EQ(ClassName(*get), "IpInterfaceIpv4Get");
    EXPECT_EQ(ClassName(*list), "IpInterfaceIpv4Get");
    EXPECT_NE(get.get(), list.get());

    std::map<std::string, int> registrations;
    std::vector<std::string> rows;
    Walk(*cli.GetDispatcher().Root(), "", rows);
    for (const auto& row : rows) {
        size_t at = row.find("\tclass ");
        if (at != std::string::npos) ++registrations[row.substr(at + 7)];
    }
    EXPECT_EQ(registrations.size(), 151u);
    for (const auto& entry : registrations) {
        EXPECT_EQ(entry.second, entry.first == "IpInterfaceIpv4Get" ? 2 : 1) << entry.first;
    }
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
