// Fuzzes the host-state loader. The first byte picks a state section, the
// second a read-only command; the rest becomes that section's file on the demo
// host in memory. Every model type loads it (a model or a KavrelException,
// nothing else), then the command runs on the host holding it: they must not crash, only a
// KavrelException may leave them, a failure comes with a message and what they
// return renders as valid JSON.
#include <sstream>

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "core/Faults.h"
#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "model/DatapathModel.h"
#include "model/FirewallModel.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"
#include "render/Render.h"

using namespace TalixFuzz;

namespace {

const char* const kSections[] = {"netstacks", "routes",   "neighbors", "connections", "ipsec",      "pnics", "lmxnics",
                                 "firewall",  "datapath", "sriov",     "vswitches",   "dvswitches", "faults"};

template <typename Model>
void Load(const std::string& content) {
    std::map<std::string, std::string> files{{SimHost::HostStore::SectionPath(Model::kSection), content}};
    UseHost(files);
    try {
        SimHost::HostStore::Instance().Read<Model>();
    } catch (const Kavrel::Lib::KavrelException&) {
    }
}

void LoadEveryModel(const std::string& content) {
    Load<SimHost::NetstackTable>(content);
    Load<SimHost::RoutingTables>(content);
    Load<SimHost::NeighborTables>(content);
    Load<SimHost::ConnectionTable>(content);
    Load<SimHost::IpSecDatabase>(content);
    Load<SimHost::PnicInventory>(content);
    Load<SimHost::LmxNicInventory>(content);
    Load<SimHost::FirewallModel>(content);
    Load<SimHost::DatapathState>(content);
    Load<SimHost::SriovState>(content);
    Load<SimHost::VirtualSwitchInventory>(content);
    Load<SimHost::DVSwitchInventory>(content);
    Load<SimHost::FaultTable>(content);
}

// The commands that only read: they run with no options.
const std::vector<std::vector<std::string>>& ReadOnlyCommands() {
    static const std::vector<std::vector<std::string>> commands = [] {
        std::vector<std::vector<std::string>> found;
        for (const auto& path : NetworkDispatcher().ListCommands()) {
            std::vector<std::string> words;
            std::istringstream stream(path);
            for (std::string word; stream >> word;) words.push_back(word);
            const std::string& last = words.back();
            if (last == "list" || last == "get" || last == "stats") found.push_back(words);
        }
        return found;
    }();
    return commands;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 65536) return 0;
    const char* section = kSections[data[0] % (sizeof(kSections) / sizeof(kSections[0]))];
    const auto& args = ReadOnlyCommands()[data[1] % ReadOnlyCommands().size()];
    std::string content(reinterpret_cast<const char*>(data + 2), size - 2);
    LoadEveryModel(content);

    std::map<std::string, std::string> files = DemoFiles();
    files[SimHost::HostStore::SectionPath(section)] = content;
    UseHost(files);
    Parvik::AutoCli::Invocation invocation;
    try {
        invocation = NetworkDispatcher().Invoke(args);
    } catch (const Kavrel::Lib::KavrelException&) {
        return 0;  // the framework reports it as the command's failure
    }
    if (invocation.status == Parvik::AutoCli::EXIT_COMMAND_ERROR && invocation.output->GetErrorMessages().empty()) {
        Fail("command error without a message", args, section);
    }
    if (!invocation.output || !invocation.output->GetRootObject()) return 0;
    std::ostringstream out;
    Parvik::Render::RenderOutput("json", invocation.output->GetRootObject(), {}, out);
    if (!nlohmann::json::accept(out.str())) Fail("JSON output does not parse", args, out.str());
    return 0;
}
