// Fuzzes the command line against the whole network tree on the demo host in
// memory. The first byte picks how the rest is run; the rest is split into
// words at NUL and newline bytes:
//   0  as talixcli runs it (framework options, path, command options);
//   1  the same after --formatter=json: any output must be valid JSON;
//   2  through the framework API (resolve, parse, check, execute): only a
//      KavrelException may leave a command.
// A run that fails must say why on stderr and leave the host as it was.
#include <sstream>

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "kavrel/Lib.h"

using namespace TalixFuzz;

namespace {

// Whether args after --formatter=json name a command that ran and rendered
// (not help, not another framework option that may change the formatter).
bool RanCommand(Parvik::AutoCli::Dispatcher& dispatcher, const std::vector<std::string>& args) {
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.empty() || rest[0].empty() || rest[0][0] == '-') return false;
    for (const auto& word : rest) {
        if (word == "--help" || word == "-h") return false;
    }
    size_t consumed = 0;
    auto node = dispatcher.Root()->ResolveNode(rest, consumed);
    return node && node->GetType() == Parvik::AutoCli::NODE_COMMAND;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) return 0;
    const int mode = data[0] % 3;
    std::vector<std::string> args = SplitArguments(data + 1, size - 1);
    auto& dispatcher = NetworkDispatcher();
    UseHost(DemoFiles());

    if (mode == 2) {
        Parvik::AutoCli::Invocation invocation;
        try {
            invocation = dispatcher.Invoke(args);
        } catch (const Kavrel::Lib::KavrelException&) {
            return 0;  // the framework reports it as the command's failure
        }
        if (invocation.status == Parvik::AutoCli::EXIT_USAGE && !invocation.helpRequested &&
            invocation.usageError.empty()) {
            Fail("usage refusal without a message", args, "");
        }
        if (invocation.status == Parvik::AutoCli::EXIT_COMMAND_ERROR && invocation.output->GetErrorMessages().empty()) {
            Fail("command error without a message", args, "");
        }
        return 0;
    }

    if (mode == 1) args.insert(args.begin(), "--formatter=json");
    std::ostringstream out, err;
    int status = dispatcher.Run(args, out, err);
    if (status != 0) {
        if (err.str().empty()) Fail("failure without a message", args, out.str());
        if (HostFiles() != DemoFiles()) Fail("failed command changed the host", args, err.str());
    }
    if (mode == 1 && !out.str().empty() && RanCommand(dispatcher, args) && !nlohmann::json::accept(out.str())) {
        Fail("JSON output does not parse", args, out.str());
    }
    return 0;
}
