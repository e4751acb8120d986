// In-process benchmarks: building the command tree, parsing a command line,
// rendering many records, and loading and saving the demo host's and the
// large host's state.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "Dispatcher.h"
#include "LargeHost.h"
#include "Parser.h"
#include "core/Backends.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "model/DatapathModel.h"
#include "model/FirewallModel.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"
#include "parvik/PluginHooks.h"
#include "render/Render.h"

namespace {

using namespace Parvik;

void RegisterWholeTree(benchmark::State& state) {
    for (auto _ : state) {
        AutoCli::Dispatcher dispatcher;
        dispatcher.RegisterPlugin(&AutoCli_RegisterNamespaces);
        benchmark::DoNotOptimize(dispatcher.Root().get());
    }
}
BENCHMARK(RegisterWholeTree);

void ParseAndCheckCommandLine(benchmark::State& state) {
    AutoCli::Dispatcher dispatcher;
    dispatcher.RegisterPlugin(&AutoCli_RegisterNamespaces);
    const std::vector<std::string> args = {"network", "ip",     "interface", "ipv4",     "set", "-i",           "lmx1",
                                           "-t",      "static", "-I",        "10.0.0.5", "-N",  "255.255.255.0"};
    for (auto _ : state) {
        size_t consumed = 0;
        auto node = dispatcher.Root()->ResolveNode(args, consumed);
        auto spec = node->GetInputSpec();
        CallSpec::Input input;
        auto outcome = AutoCli::ParseCommandOptions(*spec, args, consumed, input);
        benchmark::DoNotOptimize(outcome.error.size());
    }
}
BENCHMARK(ParseAndCheckCommandLine);

MetaObj::MetaObjectPtr ManyRecords(size_t count) {
    auto row = MetaObj::MetaStruct::New("Row");
    auto list = MetaObj::MetaList::New(MetaObj::META_STRUCT, row);
    list->Reserve(count);
    for (size_t i = 0; i < count; ++i) {
        auto record = MetaObj::MetaStruct::New("Row");
        record->SetField("Name", "lmx" + std::to_string(i % 256));
        record->SetField("Address", "10.0." + std::to_string(i % 250) + "." + std::to_string(i % 200));
        record->SetField("Netmask", "255.255.255.0");
        record->SetField("Port", static_cast<int64_t>(i));
        record->SetField("Enabled", i % 2 == 0);
        record->SetField("Type", "STATIC");
        record->SetField("Gateway", "10.0.0.1");
        record->SetField("Mtu", 1500);
        record->SetField("Tags", std::vector<std::string>{"Management", "Migration"});
        record->SetField("Portgroup", "Management Network");
        list->Add(record);
    }
    return list;
}

void RenderRecords(benchmark::State& state, const char* formatter) {
    auto root = ManyRecords(100000);
    Render::RenderOptions options;
    for (auto _ : state) {
        std::ostringstream out;
        Render::RenderOutput(formatter, root, options, out);
        benchmark::DoNotOptimize(out.tellp());
    }
}
BENCHMARK_CAPTURE(RenderRecords, table_100k, "table")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderRecords, json_100k, "json")->Unit(benchmark::kMillisecond);

// Every section of the demo host, read through the store as commands do.
std::map<std::string, std::string> DemoSections() {
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    return files;
}

void LoadAndSaveDemoHost(benchmark::State& state) {
    auto files = DemoSections();
    auto root = std::filesystem::temp_directory_path() / "talix-bench-host";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(root);
        state.ResumeTiming();
        // A fresh root gets the demo host written (save), then every file is read back (load).
        SimHost::UseHostRoot(root.string());
        auto& backend = SimHost::HostStore::Instance().GetBackend();
        size_t bytes = 0;
        for (const auto& file : files) bytes += backend.ReadFile(file.first).value_or("").size();
        benchmark::DoNotOptimize(bytes);
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(LoadAndSaveDemoHost)->Unit(benchmark::kMillisecond);

// The large host (bench/LargeHost.h, default sizes), written once into a host root.
std::filesystem::path LargeHostRoot() {
    static const std::filesystem::path root = [] {
        auto path = std::filesystem::temp_directory_path() / "talix-bench-large-host";
        std::filesystem::remove_all(path);
        TalixBench::WriteLargeHost(path.string(), TalixBench::LargeHostSize{});
        return path;
    }();
    return root;
}

template <typename... Models>
void ReadSections(SimHost::HostStore& store) {
    (benchmark::DoNotOptimize(&store.Read<Models>()), ...);
}

template <typename... Models>
void EditSections(SimHost::Transaction& transaction) {
    (benchmark::DoNotOptimize(&transaction.Edit<Models>()), ...);
}

#define LARGE_HOST_SECTIONS                                                                                      \
    SimHost::PnicInventory, SimHost::VirtualSwitchInventory, SimHost::DVSwitchInventory, SimHost::DatapathState, \
        SimHost::SriovState, SimHost::LmxNicInventory, SimHost::NetstackTable, SimHost::RoutingTables,           \
        SimHost::NeighborTables, SimHost::ConnectionTable, SimHost::IpSecDatabase, SimHost::FirewallModel

// Every section of the large host read from its file into its model.
void LoadLargeHost(benchmark::State& state) {
    auto root = LargeHostRoot().string();
    for (auto _ : state) {
        SimHost::UseHostRoot(root);  // a fresh store: nothing loaded yet
        ReadSections<LARGE_HOST_SECTIONS>(SimHost::HostStore::Instance());
    }
}
BENCHMARK(LoadLargeHost)->Unit(benchmark::kMillisecond);

// Every section of the large host written back as a change writes it: copied,
// encoded and replaced atomically in one journalled commit.
void SaveLargeHost(benchmark::State& state) {
    SimHost::UseHostRoot(LargeHostRoot().string());
    auto& store = SimHost::HostStore::Instance();
    store.SetMayChange(true);
    ReadSections<LARGE_HOST_SECTIONS>(store);
    for (auto _ : state) {
        SimHost::Transaction transaction(store);
        EditSections<LARGE_HOST_SECTIONS>(transaction);
        transaction.Commit();
    }
    store.SetMayChange(false);
}
BENCHMARK(SaveLargeHost)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
