#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hardware/port_access.hpp"

namespace vertanum::hardware {

// The few system calls the ppdev backend makes, so that it can be tried without a port.
class PpdevSystem {
  public:
    virtual ~PpdevSystem() = default;
    // Names of the parallel-port devices in /dev ("parport0", …), in any order.
    virtual std::vector<std::string> ListDevices() = 0;
    // A descriptor, or minus the errno value.
    virtual int Open(const std::string& path) = 0;
    virtual void Close(int fd) = 0;
    // 0, or minus the errno value.
    virtual int Ioctl(int fd, unsigned long request, void* argument) = 0;
    virtual std::optional<std::string> ReadText(const std::string& path) = 0;
};

std::unique_ptr<PpdevSystem> MakeLinuxPpdevSystem();

// The parallel ports of a Linux machine through /dev/parportN. A port is claimed while it is
// selected; the data register is kept in memory so that one pin change is one register write.
class PpdevBackend : public PortBackend {
  public:
    explicit PpdevBackend(std::unique_ptr<PpdevSystem> system);
    ~PpdevBackend() override;

    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    std::int16_t PortCount() override { return static_cast<std::int16_t>(ports_.size()); }
    void SelectPort(std::uint8_t number) override;
    std::uint16_t BaseAddress() override;
    void Init() override;
    void SetPin(std::uint8_t pin, bool level) override;
    bool GetPin(std::uint8_t pin) override;
    std::vector<std::string> Problems() const override { return problems_; }

  private:
    struct Port {
        std::string name;  // "parport0"
        int fd = -1;
    };
    void Release();
    Port* Claimed() {
        return claimed_ >= 0 ? &ports_[static_cast<std::size_t>(claimed_)] : nullptr;
    }

    std::unique_ptr<PpdevSystem> system_;
    bool open_ = false;
    std::vector<Port> ports_;
    std::vector<std::string> problems_;
    int selected_ = -1;
    int claimed_ = -1;
    unsigned char data_ = 0;
};

std::unique_ptr<PortBackend> MakePpdevBackend();

}  // namespace vertanum::hardware
