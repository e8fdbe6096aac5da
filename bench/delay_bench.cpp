// Accuracy of DelayMicroseconds on the real clock: how much longer than asked a delay of 1, 10,
// 100 and 1000 counts lasts (with the calibrated rate ×1.1 as the link uses it).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "hardware/clock.hpp"
#include "hardware/delays.hpp"

using namespace vertanum::hardware;

static void BM_DelayOvershoot(benchmark::State& state) {
    Clock& clock = SystemClock();
    ScopedClock scoped(clock);
    const double rate = clock.TicksPerMicrosecond() * 1.1;
    const auto count = static_cast<std::uint32_t>(state.range(0));
    const double asked = count * rate;
    double over = 0;
    double worst = 0;
    for (auto _ : state) {
        const std::uint64_t start = ReadTimeStampCounter();
        DelayMicroseconds(count, rate);
        const double took = static_cast<double>(ReadTimeStampCounter() - start);
        over += took - asked;
        worst = std::max(worst, took - asked);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["overshoot_us"] = over / n / clock.TicksPerMicrosecond();
    state.counters["worst_us"] = worst / clock.TicksPerMicrosecond();
    state.counters["asked_us"] = count * 1.1;
}
BENCHMARK(BM_DelayOvershoot)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);
