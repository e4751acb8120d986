// talixcli(1) as the build writes it: every command of the tree with its
// options, the host root and the exit statuses; and man can show it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/CliHarness.h"

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A command path as the page's roff source writes it.
std::string RoffPath(const std::string& path) {
    std::string escaped;
    for (char c : path) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
}

TEST(ManPage, HasASectionForEveryCommandOfTheTree) {
    const std::string page = ReadWhole(TALIX_MANPAGE);
    ASSERT_FALSE(page.empty()) << TALIX_MANPAGE;
    auto listed = TalixTest::RunTalixcli({"--list-commands"});
    ASSERT_EQ(listed.status, 0);
    size_t commands = 0;
    std::istringstream paths(listed.out);
    for (std::string path; std::getline(paths, path); ++commands) {
        EXPECT_NE(page.find(".SS \"" + RoffPath(path) + "\"\n"), std::string::npos) << path;
    }
    EXPECT_GT(commands, 100u);
    for (const char* section : {".SH NAME", ".SH SYNOPSIS", ".SH OPTIONS", ".SH \"HOST ROOT\"", ".SH ENVIRONMENT",
                                ".SH \"EXIT STATUS\"", ".SH \"network firewall ruleset\""}) {
        EXPECT_NE(page.find(section), std::string::npos) << section;
    }
}

TEST(ManPage, DescribesOptionsTypesConstraintsAndDefaultOutput) {
    const std::string page = ReadWhole(TALIX_MANPAGE);
    const size_t start = page.find(".SS \"network ip interface ipv4 set\"");
    ASSERT_NE(start, std::string::npos);
    const std::string command = page.substr(start, page.find(".SS ", start + 1) - start);
    for (const char* expected : {"\\fB\\-i\\fR, \\fB\\-\\-interface\\-name\\fR \\fIvalue\\fR",
                                 "Type: string; required.", "One of: static, dhcp, none.",
                                 "Output: success or failure, printed only on failure; default formatter simple."}) {
        EXPECT_NE(command.find(expected), std::string::npos) << expected << "\n" << command;
    }
    const size_t list = page.find(".SS \"network nic list\"");
    ASSERT_NE(list, std::string::npos);
    EXPECT_NE(page.find("Output: a list of records", list), std::string::npos);
}

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
