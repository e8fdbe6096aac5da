// Loading and saving the largest key set (a FrastovenA document, 2178 keys) and building the
// registry of all models: what opening and saving a document costs before any editor work.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "config/configuration_file.hpp"
#include "framework/device_registry.hpp"

using namespace vertanum;

namespace {

constexpr int kFrastovenA = 18;

class SilentMessages : public Messages {
  public:
    MessageAnswer Show(const MessageBox& box) override { return box.default_answer; }
};

std::string TempPath() {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/vertanum-bench-" + std::to_string(getpid()) + ".qcf";
}

}  // namespace

static void BM_BuildRegistry(benchmark::State& state) {
    SilentMessages messages;
    DeviceRegistry registry(DeviceContext{&messages, nullptr});
    for (auto _ : state) benchmark::DoNotOptimize(registry.BuildDeviceRegistry());
}
BENCHMARK(BM_BuildRegistry)->Unit(benchmark::kMicrosecond);

static void BM_SaveFrastovenA(benchmark::State& state) {
    SilentMessages messages;
    DeviceRegistry registry(DeviceContext{&messages, nullptr});
    registry.BuildDeviceRegistry();
    TDevices& model = *registry.At(kFrastovenA);
    model.LoadFactoryImage();
    model.FileName = TempPath();
    for (auto _ : state) {
        if (model.SaveConfig() != 0) state.SkipWithError("save failed");
    }
    std::remove(model.FileName.c_str());
}
BENCHMARK(BM_SaveFrastovenA)->Unit(benchmark::kMillisecond);

static void BM_LoadFrastovenA(benchmark::State& state) {
    SilentMessages messages;
    DeviceRegistry registry(DeviceContext{&messages, nullptr});
    registry.BuildDeviceRegistry();
    const std::string path = TempPath();
    {
        TDevices& model = *registry.At(kFrastovenA);
        model.LoadFactoryImage();
        model.FileName = path;
        model.SaveConfig();
    }
    for (auto _ : state) {
        registry.BuildDeviceRegistry();
        TDevices& model = *registry.At(kFrastovenA);
        model.FileName = path;
        model.LoadFactoryImage();
        benchmark::DoNotOptimize(model.LoadConfig());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadFrastovenA)->Unit(benchmark::kMillisecond);

static void BM_ParseFrastovenAText(benchmark::State& state) {
    config::ConfigurationFile file("unused.qcf");
    for (unsigned a = 0x54; a <= 0x88D; ++a) file.WriteInteger("MEMORY", config::ByteKey(a), 255);
    const std::string text = file.Document().Serialize();
    for (auto _ : state) benchmark::DoNotOptimize(config::IniDocument::Parse(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseFrastovenAText)->Unit(benchmark::kMicrosecond);
