#include "hardware/spi.hpp"

#include <exception>
#include <string>

#include "hardware/delays.hpp"
#include "hardware/port_access.hpp"
#include "hardware/spi_trace.hpp"

namespace vertanum::hardware {

namespace {
bool g_port_free_wait_done = false;
}

bool PortFreeWaitDone() {
    return g_port_free_wait_done;
}
void SetPortFreeWaitDone(bool done) {
    g_port_free_wait_done = done;
}

TSPI::TSPI() {
    const double rate = MeasureCpuMHz();
    ClockFactor = rate + rate / 10.0;
}

std::int32_t TSPI::OpenPort(std::uint16_t port, ProgressDisplay& progress, Messages& messages) {
    try {
        if (!IsDriverOpened()) OpenTVicPort();
        if (!IsDriverOpened()) {
            messages.Error(kPortOpenError);
            return -1;
        }
        const bool reset = GetPin(kPinReset);
        SetLPTNumber(static_cast<std::uint8_t>(port));
        LPTInit();
        if (!g_port_free_wait_done && !PortFreeWait(progress, messages)) return -1;
        SetPin(5, false);
        SetPin(4, false);
        SetPin(kPinReset, reset);
        SetPin(kPinSck, false);
        return 0;
    } catch (const std::exception&) {
        return -2;
    }
}

bool TSPI::PortFreeWait(ProgressDisplay& progress, Messages& messages) {
    const std::string remembered = progress.Status();
    int countdown = 99;
    progress.SetStatus(kPortFreeWaitLabel + std::to_string(countdown));
    progress.ProcessEvents();
    for (;;) {
        for (std::uint8_t pin = 2; pin <= 9; ++pin) SetPin(pin, false);
        for (int second = 0; second < 7; ++second) {
            SleepMilliseconds(1000);
            --countdown;
            if (countdown == 0) {
                messages.Error(kPortFreeWaitError);
                return false;
            }
            progress.SetStatus(kPortFreeWaitLabel + std::to_string(countdown));
            progress.ProcessEvents();
        }
        bool any_high = false;
        for (std::uint8_t pin = 2; pin <= 9; ++pin) any_high = GetPin(pin) || any_high;
        if (!any_high) break;
    }
    progress.SetStatus(remembered);
    g_port_free_wait_done = true;
    return true;
}

void TSPI::SetSCK(bool level) {
    if (SpiTrace* trace = ActiveSpiTrace()) trace->Record(SpiEvent::Kind::Clock, level);
    SetPin(kPinSck, level);
}

void TSPI::SetMOSI(bool level) {
    SetPin(kPinMosi, level);
}

void TSPI::SetRESET(bool level) {
    if (SpiTrace* trace = ActiveSpiTrace()) trace->Record(SpiEvent::Kind::Reset, level);
    SetPin(kPinReset, level);
}

bool TSPI::GetMISO() {
    return GetPin(kPinMiso);
}

void TSPI::HalfBit() {
    DelayMicroseconds(static_cast<std::uint32_t>(HalfBitDelay), ClockFactor);
}

void TSPI::WriteByte(std::uint8_t value) {
    if (SpiTrace* trace = ActiveSpiTrace()) trace->Record(SpiEvent::Kind::Sent, value);
    for (int bit = 7; bit >= 0; --bit) {
        SetPin(kPinMosi, ((value >> bit) & 1u) != 0);
        HalfBit();
        SetPin(kPinSck, true);
        HalfBit();
        SetPin(kPinSck, false);
    }
}

std::uint8_t TSPI::ReadByte() {
    unsigned result = 0;
    for (int i = 0; i < 8; ++i) {
        SetPin(kPinSck, true);
        HalfBit();
        const bool bit = GetPin(kPinMiso);
        SetPin(kPinSck, false);
        HalfBit();
        result = (result << 1) | (bit ? 1u : 0u);
    }
    const auto value = static_cast<std::uint8_t>(result);
    if (SpiTrace* trace = ActiveSpiTrace()) trace->Record(SpiEvent::Kind::Received, value);
    return value;
}

void TSPI::Wait(std::uint32_t count) {
    if (SpiTrace* trace = ActiveSpiTrace()) trace->Record(SpiEvent::Kind::Wait, count);
    DelayMicroseconds(count, ClockFactor);
}

}  // namespace vertanum::hardware
