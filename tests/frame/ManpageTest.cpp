// talixcli(1) as the build writes it can be shown by man without a warning.
// What the page says, every command of the tree with its options, the host
// root and the exit statuses, is pinned byte for byte by tests/golden/talixcli.1.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

TEST(ManPage, ManShowsIt) {
    if (std::system("command -v man >/dev/null 2>&1") != 0) GTEST_SKIP() << "man is not installed";
    const std::string command = std::string("MANPAGER=cat MANWIDTH=100 man -l ") + TALIX_MANPAGE + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string shown;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) shown.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << shown.substr(0, 2000);
    for (const char* expected : {"EXIT STATUS", "HOST ROOT", "network firewall ruleset list", "TALIX_HOST_ROOT"}) {
        EXPECT_NE(shown.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(shown.find("warning"), std::string::npos) << shown.substr(0, 2000);
}

}  // namespace
