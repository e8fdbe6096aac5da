#include "hardware/spi_trace.hpp"

#include <cstdio>

#include "hardware/clock.hpp"

namespace vertanum::hardware {

namespace {
SpiTrace* g_trace = nullptr;

std::string EventText(const SpiEvent& e) {
    char buffer[24];
    switch (e.kind) {
        case SpiEvent::Kind::Sent:
            std::snprintf(buffer, sizeof buffer, "%02X", e.value);
            break;
        case SpiEvent::Kind::Received:
            std::snprintf(buffer, sizeof buffer, "<%02X", e.value);
            break;
        case SpiEvent::Kind::Wait:
            std::snprintf(buffer, sizeof buffer, "w%u", e.value);
            break;
        case SpiEvent::Kind::Reset:
            std::snprintf(buffer, sizeof buffer, "R%u", e.value);
            break;
        case SpiEvent::Kind::Clock:
            std::snprintf(buffer, sizeof buffer, "S%u", e.value);
            break;
    }
    return buffer;
}
}  // namespace

void SpiTrace::Record(SpiEvent::Kind kind, std::uint32_t value) {
    events_.push_back({kind, value, CurrentClock().Ticks()});
}

std::string SpiTrace::Text() const {
    std::string out;
    for (const auto& e : events_) {
        if (!out.empty()) out += ' ';
        out += EventText(e);
    }
    return out;
}

std::string SpiTrace::TimedText(double ticks_per_microsecond) const {
    std::string out;
    if (events_.empty() || ticks_per_microsecond <= 0) return out;
    const std::uint64_t first = events_.front().ticks;
    for (const auto& e : events_) {
        char time[32];
        std::snprintf(time, sizeof time, "%12.1f ",
                      static_cast<double>(e.ticks - first) / ticks_per_microsecond);
        out += time + EventText(e) + '\n';
    }
    return out;
}

std::vector<std::uint8_t> SpiTrace::SentBytes() const {
    std::vector<std::uint8_t> out;
    for (const auto& e : events_) {
        if (e.kind == SpiEvent::Kind::Sent) out.push_back(static_cast<std::uint8_t>(e.value));
    }
    return out;
}

SpiTrace* ActiveSpiTrace() {
    return g_trace;
}

ScopedSpiTrace::ScopedSpiTrace(SpiTrace& trace) : previous_(g_trace) {
    g_trace = &trace;
}
ScopedSpiTrace::~ScopedSpiTrace() {
    g_trace = previous_;
}

}  // namespace vertanum::hardware
