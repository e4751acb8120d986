// A dry run takes no path on which the host can change: whatever its words,
// the command runs inside the dry-run transaction. Every option of every
// command is given a value that looks like a help request ("--help", "-h"),
// which the parser takes as the option's value, on the demo host in memory.
#include <sstream>

#include <gtest/gtest.h>

#include "core/Backends.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

extern "C" void AutoCli_BeginTransaction(int dryRun);
extern "C" const char* AutoCli_EndTransaction(int commit);

namespace {

using Parvik::AutoCli::NamespaceNode;

// The demo host's names for the parameters that name something on it.
std::map<std::string, std::string> DemoValues() {
    std::map<std::string, std::string> values;
    for (const auto& row : TalixTest::ReadCaseTable("robustness/sweep_demo_values.tsv", 2)) {
        values[row.fields[0]] = row.fields[1];
    }
    return values;
}

struct Case {
    std::vector<std::string> args;
    std::string shown;
};

// Each command with each of its string and list options set to the word,
// the other required options to demo values.
void CollectCases(const std::shared_ptr<NamespaceNode>& node, const std::vector<std::string>& path,
                  const std::string& word, const std::map<std::string, std::string>& demo, std::vector<Case>& cases) {
    using Parvik::CallSpec::PARAM_LIST;
    using Parvik::CallSpec::PARAM_STRING;
    for (const auto& child : node->GetChildren()) {
        auto words = path;
        words.push_back(child.first);
        if (child.second->GetType() != Parvik::AutoCli::NODE_COMMAND) {
            CollectCases(child.second, words, word, demo, cases);
            continue;
        }
        auto spec = child.second->GetInputSpec();
        if (!spec) continue;
        for (const auto& target : spec->GetParameters()) {
            if (target->GetType() != PARAM_STRING && target->GetType() != PARAM_LIST) continue;
            Case c{{"--dry-run"}, ""};
            c.args.insert(c.args.end(), words.begin(), words.end());
            for (const auto& parameter : spec->GetParameters()) {
                if (parameter == target) {
                    c.args.insert(c.args.end(), {"--" + parameter->GetName(), word});
                } else if (parameter->IsRequired()) {
                    auto known = demo.find(parameter->GetName());
                    c.args.insert(c.args.end(),
                                  {"--" + parameter->GetName(), known != demo.end() ? known->second : "1"});
                }
            }
            for (const auto& arg : c.args) c.shown += arg + " ";
            cases.push_back(c);
        }
    }
}

TEST(DryRunRules, NoWordsOfACommandLineLetADryRunWrite) {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    SimHost::HostStore::Instance().UseBackend(std::make_unique<SimHost::MemoryBackend>(files));
    TalixTest::CliHarness cli;
    Parvik::AutoCli::TransactionHooks hooks;
    hooks.begin = [](bool dryRun) { AutoCli_BeginTransaction(dryRun ? 1 : 0); };
    hooks.end = [](bool commit) {
        const char* problem = AutoCli_EndTransaction(commit ? 1 : 0);
        return std::string(problem ? problem : "");
    };
    cli.GetDispatcher().AddTransactionHooks(hooks);
    const auto before = SimHost::MemoryHostFiles();
    const auto demo = DemoValues();
    size_t ran = 0, printedHelp = 0;
    for (const char* word : {"--help", "-h"}) {
        std::vector<Case> cases;
        CollectCases(cli.GetDispatcher().Root(), {}, word, demo, cases);
        for (const auto& c : cases) {
            std::ostringstream out, err;
            cli.GetDispatcher().Run(c.args, out, err);
            ASSERT_EQ(SimHost::MemoryHostFiles(), before) << c.shown << "\n" << out.str() << err.str();
            ++ran;
            if (out.str().find("# No host file would change.") == std::string::npos &&
                out.str().find("--- a/") == std::string::npos) {
                ++printedHelp;
            }
        }
    }
    EXPECT_GT(ran, 200u);
    // Only an option without a value takes "--help" as a help request.
    EXPECT_EQ(printedHelp, 0u);
    SimHost::UseMemoryHost();
}

}  // namespace
