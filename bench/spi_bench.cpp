// CPU cost of the simulated cable: one SPI byte through TSPI, the port layer and a simulated
// ATmega8 on the virtual clock (a real cable's budget is 16 half-bits of 1.1 µs = 17.6 µs), and
// a whole Velkar-sized run of 12288 byte writes and reads on a simulated AT89S53.
#include <benchmark/benchmark.h>

#include "hardware/chips/at89s.hpp"
#include "hardware/chips/atmega8.hpp"
#include "hardware/simulated_cable.hpp"

using namespace vertanum::hardware;

static void BM_SimulatedSpiByte(benchmark::State& state) {
    SimulationSession session(ChipType::ATmega8);
    TATMEGA8 chip;
    chip.EnterProgramming();
    std::uint16_t address = 0;
    for (auto _ : state) {
        // Four bytes per instruction.
        benchmark::DoNotOptimize(chip.ReadEepromByte(address++ & 0x1FF));
    }
    state.SetItemsProcessed(state.iterations() * 4);
    state.counters["ns_per_byte"] =
        benchmark::Counter(static_cast<double>(state.iterations() * 4),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SimulatedSpiByte);

static void BM_VelkarSizedRun(benchmark::State& state) {
    for (auto _ : state) {
        SimulationSession session(ChipType::AT89S53);
        TAT89S53 chip;
        chip.EnterProgramming();
        chip.ChipErase();
        for (std::uint16_t a = 0; a < 0x3000; ++a) {
            chip.WriteFlashByte(a, static_cast<std::uint8_t>(a));
        }
        int bad = 0;
        for (std::uint16_t a = 0; a < 0x3000; ++a) {
            bad += chip.ReadFlashByte(a) != static_cast<std::uint8_t>(a);
        }
        chip.LeaveProgramming();
        if (bad != 0) state.SkipWithError("verification failed");
    }
}
BENCHMARK(BM_VelkarSizedRun)->Unit(benchmark::kMillisecond);
