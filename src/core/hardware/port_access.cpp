#include "hardware/port_access.hpp"

#include <exception>

#include "hardware/ppdev_backend.hpp"

namespace vertanum::hardware {

namespace {
std::unique_ptr<PortBackend> g_backend;
}

bool LoadPortLibrary(Messages& messages) {
    return LoadPortLibrary(messages, MakePpdevBackend);
}

bool LoadPortLibrary(Messages& messages, const PortBackendFactory& factory) {
    UnloadPortLibrary();
    try {
        if (factory) g_backend = factory();
    } catch (const std::exception&) {
        g_backend.reset();
    }
    if (g_backend == nullptr) {
        messages.Error(kPortLibraryError);
        return false;
    }
    return true;
}

void UnloadPortLibrary() {
    if (g_backend != nullptr && g_backend->IsOpen()) g_backend->Close();
    g_backend.reset();
}

PortBackend* BoundPortBackend() {
    return g_backend.get();
}

bool OpenTVicPort() {
    return g_backend != nullptr && g_backend->Open();
}

void CloseTVicPort() {
    if (g_backend != nullptr) g_backend->Close();
}

bool IsDriverOpened() {
    return g_backend != nullptr && g_backend->IsOpen();
}

std::int16_t GetLPTNumPorts() {
    return IsDriverOpened() ? g_backend->PortCount() : 0;
}

void SetLPTNumber(std::uint8_t number) {
    if (IsDriverOpened()) g_backend->SelectPort(number);
}

std::uint16_t GetLPTBasePort() {
    return IsDriverOpened() ? g_backend->BaseAddress() : 0;
}

void LPTInit() {
    if (IsDriverOpened()) g_backend->Init();
}

void SetPin(std::uint8_t pin, bool level) {
    if (g_backend != nullptr) g_backend->SetPin(pin, level);
}

bool GetPin(std::uint8_t pin) {
    return g_backend != nullptr && g_backend->GetPin(pin);
}

std::vector<std::string> PortProblems() {
    return g_backend != nullptr ? g_backend->Problems() : std::vector<std::string>{};
}

ScopedPortLibrary::ScopedPortLibrary(std::unique_ptr<PortBackend> backend) {
    UnloadPortLibrary();
    g_backend = std::move(backend);
}

ScopedPortLibrary::~ScopedPortLibrary() {
    UnloadPortLibrary();
}

}  // namespace vertanum::hardware
