#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vertanum::hardware {

// One thing the link did: a byte sent or received, a wait of the chip driver (its count), or a
// RESET or SCK level set outside a byte.
struct SpiEvent {
    enum class Kind : std::uint8_t { Sent, Received, Wait, Reset, Clock };
    Kind kind;
    std::uint32_t value;
    std::uint64_t ticks;  // the clock when it happened
};

// A recorder of what every link does while it is active (see ScopedSpiTrace).
class SpiTrace {
  public:
    void Record(SpiEvent::Kind kind, std::uint32_t value);
    const std::vector<SpiEvent>& Events() const { return events_; }
    void Clear() { events_.clear(); }

    // "AC 53 <53 00 w20000 R1 S0": sent bytes in hex, received ones after "<", waits after "w",
    // RESET and SCK levels after "R" and "S".
    std::string Text() const;
    // One event a line with its time in microseconds since the first event.
    std::string TimedText(double ticks_per_microsecond) const;
    std::vector<std::uint8_t> SentBytes() const;

  private:
    std::vector<SpiEvent> events_;
};

SpiTrace* ActiveSpiTrace();

// Makes `trace` the recorder of every link for its lifetime.
class ScopedSpiTrace {
  public:
    explicit ScopedSpiTrace(SpiTrace& trace);
    ~ScopedSpiTrace();
    ScopedSpiTrace(const ScopedSpiTrace&) = delete;
    ScopedSpiTrace& operator=(const ScopedSpiTrace&) = delete;

  private:
    SpiTrace* previous_;
};

}  // namespace vertanum::hardware
