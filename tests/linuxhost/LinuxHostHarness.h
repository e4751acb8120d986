// Tests of the Linux host on the running kernel. main() moves the whole test
// process into network and mount namespaces of its own first; every device a
// test makes (veth pairs, bridges, taps) lives and dies there, and /etc and
// /run are private copies, so nothing of the machine's own network or files
// is touched. Without namespaces (not root) every test skips and says why.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace LinuxHostTest {

// Enters the namespaces; false (with Isolation() telling why) when it cannot.
bool Isolate();
// Empty once isolated; else what is missing.
const std::string& Isolation();

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs argv[0] (looked up in PATH) with extra environment settings.
Outcome Run(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment = {});
// Runs a shell command line with /bin/sh.
Outcome Sh(const std::string& commandLine);
// A shell command that must succeed; its standard output.
std::string MustSh(const std::string& commandLine);
// `ip -j ARGS` parsed; ARGS must name something that exists.
nlohmann::json IpJson(const std::string& args);
// One attribute file of a device under /sys/class/net, without its newline.
std::string SysNet(const std::string& device, const std::string& attribute);

// A test on the Linux host: skips unless isolated, gives each test a host
// root of its own, and removes the devices the test made.
class LinuxHost : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // talixcli with TALIX_HOST=linux, the test's host root, and
    // TALIX_LINUX_NICS naming the devices given to Nics().
    Outcome Talix(const std::string& commandLine, const std::map<std::string, std::string>& environment = {});
    // --formatter=json and the command line; it must succeed without messages.
    nlohmann::json TalixJson(const std::string& commandLine);
    // The message of a command that must fail (its exit status non-zero, nothing on stdout).
    std::string TalixError(const std::string& commandLine);
    // talixcli --batch of a file holding these lines.
    Outcome TalixBatch(const std::vector<std::string>& lines);
    // A command line and a text its refusal must hold.
    struct Refusal {
        const char* command;
        const char* message;
    };
    // Each command must be refused (exit status 1, nothing on stdout) with its text in its message.
    void ExpectRefusals(const std::vector<Refusal>& refusals);

    // Devices the test makes; each is deleted at the end of the test.
    void Veth(const std::string& name, const std::string& peer);
    void Bridge(const std::string& name);
    void Tap(const std::string& name);
    // Which devices count as NICs for talixcli (TALIX_LINUX_NICS).
    void Nics(const std::vector<std::string>& names);

    const std::string& HostRoot() const { return hostRoot_; }

private:
    std::string hostRoot_;
    std::vector<std::string> devices_;
    std::string nics_;
};

// One interface to work on: lmx1 is veth ip0 (10.20.0.1/24, up) whose peer
// ip1 is up too.
class OneInterface : public LinuxHost {
protected:
    void SetUp() override;
};

}  // namespace LinuxHostTest
