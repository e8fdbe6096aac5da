// Whole programming sequences on the simulated cable.
//
// With the real clock a sequence cannot be faster than the floor it sets itself: the sum of its
// mandated waits, the bit time of every SPI byte (16 half-bits of 1.1 µs) and the clock
// calibration of its link (1.5 s). The benchmark reports the wall time against that floor; what
// lies above it is ours (the port layer, the simulated chip, the loops) and should stay below 2 %.
//
// With the virtual clock the same run costs only CPU: a whole Velkar run (24 576 single-byte
// instructions) must stay well under a second so that the tests of all 23 models stay fast.
#include <benchmark/benchmark.h>

#include <chrono>

#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "hardware/clock.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware/spi.hpp"
#include "hardware/spi_trace.hpp"
#include "resources/resource_store.hpp"

using namespace vertanum;
using namespace vertanum::hardware;

namespace {

constexpr double kCountMicroseconds = 1.1;  // one count of the calibrated delay
constexpr double kByteMicroseconds = 16 * kCountMicroseconds;
constexpr double kCalibrationMicroseconds = 1.5e6;

struct Target {
    int position;
    ChipType chip;
};

// A new document of the model at `position`, from the built-in images.
struct Document {
    explicit Document(int position)
        : resources(""), registry(DeviceContext{&messages, &resources}) {
        registry.BuildDeviceRegistry();
        model = registry.At(position);
        model->LoadFactoryImage();
    }
    RecordingMessages messages;
    resources::ResourceStore resources;
    DeviceRegistry registry;
    TDevices* model = nullptr;
};

// The floor of one run, taken from its SPI trace on the virtual clock.
double FloorMicroseconds(const Target& target) {
    Document document(target.position);
    SimulationSession session(target.chip);
    SetPortFreeWaitDone(true);
    SpiTrace trace;
    {
        ScopedSpiTrace scoped(trace);
        SilentProgress progress;
        document.model->ProgramDevice(progress, 1);
    }
    double floor = kCalibrationMicroseconds;
    for (const SpiEvent& e : trace.Events()) {
        if (e.kind == SpiEvent::Kind::Wait) floor += e.value * kCountMicroseconds;
        if (e.kind == SpiEvent::Kind::Sent || e.kind == SpiEvent::Kind::Received) {
            floor += kByteMicroseconds;
        }
    }
    return floor;
}

void BM_SequenceOnRealClock(benchmark::State& state, Target target) {
    const double floor_us = FloorMicroseconds(target);
    double wall_us = 0;
    for (auto _ : state) {
        Document document(target.position);
        ScopedPortLibrary binding(MakeSimulatedCable(target.chip));
        OpenTVicPort();
        SetPortFreeWaitDone(true);
        SilentProgress progress;
        const auto start = std::chrono::steady_clock::now();
        const std::int32_t result = document.model->ProgramDevice(progress, 1);
        wall_us +=
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        if (result < 0) state.SkipWithError("the sequence failed");
    }
    wall_us /= static_cast<double>(state.iterations());
    state.counters["floor_s"] = floor_us / 1e6;
    state.counters["wall_s"] = wall_us / 1e6;
    state.counters["overhead_pct"] = (wall_us - floor_us) / floor_us * 100.0;
}

void BM_SequenceOnVirtualClock(benchmark::State& state, Target target) {
    for (auto _ : state) {
        Document document(target.position);
        SimulationSession session(target.chip);
        SetPortFreeWaitDone(true);
        SilentProgress progress;
        if (document.model->ProgramDevice(progress, 1) < 0) state.SkipWithError("failed");
    }
}

const Target kKrv{7, ChipType::AT90LS4433};
const Target kQv710{0, ChipType::ATmega8};
const Target kQirel{21, ChipType::ATtiny26};
const Target kVelkar{8, ChipType::AT89S53};
const Target kDorimen{15, ChipType::ATmega8};
const Target kFrastoven{18, ChipType::ATmega161};

}  // namespace

// Each real-clock run takes as long as the device needs (Qirel about 4 s, Velkar about 70 s).
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, Qirel, kQirel)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, QV710, kQv710)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, Dorimen, kDorimen)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, Frastoven, kFrastoven)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, KRV, kKrv)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_SequenceOnRealClock, Velkar, kVelkar)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_CAPTURE(BM_SequenceOnVirtualClock, Velkar, kVelkar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SequenceOnVirtualClock, Frastoven, kFrastoven)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SequenceOnVirtualClock, KRV, kKrv)->Unit(benchmark::kMillisecond);
