#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/progress_display.hpp"
#include "hardware/clock.hpp"
#include "hardware/port_access.hpp"
#include "hardware/spi.hpp"

namespace vertanum::hardware::test_support {

// A progress display that remembers every status text it was given.
class RecordingProgress : public ProgressDisplay {
  public:
    void SetStatus(std::string_view text) override { statuses.emplace_back(text); }
    void SetMaximum(int) override {}
    void SetPosition(int p) override { position = p; }
    int Position() const override { return position; }
    void ShowPercentage(bool) override {}
    void ProcessEvents() override { ++events_processed; }
    std::string Status() const override { return statuses.empty() ? "" : statuses.back(); }

    std::vector<std::string> statuses;
    int position = 0;
    int events_processed = 0;
};

// A port whose pin writes are logged; inputs answer `input_level`, outputs their level unless
// `stuck_high` holds them high until the clock reaches `release_at_us`.
class RecordingPort : public PortBackend {
  public:
    bool Open() override { return open = open_succeeds; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    std::int16_t PortCount() override { return 1; }
    void SelectPort(std::uint8_t number) override { selected.push_back(number); }
    std::uint16_t BaseAddress() override { return 0x378; }
    void Init() override { ++inits; }
    void SetPin(std::uint8_t pin, bool level) override {
        if (throw_on_set) throw std::runtime_error("port gone");
        writes.push_back({pin, level});
        if (pin >= 2 && pin <= 9) levels[pin] = level;
    }
    bool GetPin(std::uint8_t pin) override {
        if (pin >= 2 && pin <= 9) {
            if (stuck_high && CurrentClock().Ticks() < release_at_ticks) return true;
            return levels[pin];
        }
        return input_level;
    }

    struct Write {
        std::uint8_t pin;
        bool level;
    };
    std::vector<Write> writes;
    std::vector<std::uint8_t> selected;
    bool levels[16] = {};
    bool open = false;
    bool open_succeeds = true;
    bool input_level = false;
    bool stuck_high = false;
    bool throw_on_set = false;
    std::uint64_t release_at_ticks = 0;
    int inits = 0;
};

}  // namespace vertanum::hardware::test_support
