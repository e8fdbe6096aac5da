#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/messages.hpp"

namespace vertanum::hardware {

// Pins as numbered on the 25-pin connector; a level is true when the pin is high there.
inline constexpr std::uint8_t kPinLoopDrive1 = 2;
inline constexpr std::uint8_t kPinLoopDrive2 = 3;
inline constexpr std::uint8_t kPinSck = 6;
inline constexpr std::uint8_t kPinMosi = 7;
inline constexpr std::uint8_t kPinReset = 9;
inline constexpr std::uint8_t kPinMiso = 10;
inline constexpr std::uint8_t kPinLoopSense1 = 11;
inline constexpr std::uint8_t kPinLoopSense2 = 12;

// What reaches the parallel port: the real ports through ppdev or the simulated cable.
class PortBackend {
  public:
    virtual ~PortBackend() = default;
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Ports that may be used, numbered from 1.
    virtual std::int16_t PortCount() = 0;
    virtual void SelectPort(std::uint8_t number) = 0;
    virtual std::uint16_t BaseAddress() = 0;
    virtual void Init() = 0;
    // Output pins 2 to 9; other pins are ignored.
    virtual void SetPin(std::uint8_t pin, bool level) = 0;
    // Pins 2 to 12 at the connector; an output pin answers the level it drives.
    virtual bool GetPin(std::uint8_t pin) = 0;
    // Why ports that exist were left out of the count, one sentence each, for the user.
    virtual std::vector<std::string> Problems() const { return {}; }
};

using PortBackendFactory = std::function<std::unique_ptr<PortBackend>()>;

inline constexpr const char* kPortLibraryError =
    "Ошибка при попытке использовать dll\rбиблиотеки портов";

// Binds the backend made by `factory` for the whole process. When it cannot be made the user is
// told, nothing stays bound and the driver counts as not open. Without a factory the real ports
// (ppdev) are bound.
bool LoadPortLibrary(Messages& messages);
bool LoadPortLibrary(Messages& messages, const PortBackendFactory& factory);
// Closes and releases the bound backend, if any.
void UnloadPortLibrary();
// The bound backend, or nullptr.
PortBackend* BoundPortBackend();

// The operations the program uses; with nothing bound they do nothing and answer false or 0.
bool OpenTVicPort();
void CloseTVicPort();
bool IsDriverOpened();
std::int16_t GetLPTNumPorts();
void SetLPTNumber(std::uint8_t number);
std::uint16_t GetLPTBasePort();
void LPTInit();
void SetPin(std::uint8_t pin, bool level);
bool GetPin(std::uint8_t pin);
std::vector<std::string> PortProblems();

// Binds a backend for the lifetime of the object and unbinds it at the end (tests, the
// simulation mode).
class ScopedPortLibrary {
  public:
    explicit ScopedPortLibrary(std::unique_ptr<PortBackend> backend);
    ~ScopedPortLibrary();
    ScopedPortLibrary(const ScopedPortLibrary&) = delete;
    ScopedPortLibrary& operator=(const ScopedPortLibrary&) = delete;
};

}  // namespace vertanum::hardware
