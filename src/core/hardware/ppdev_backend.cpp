#include "hardware/ppdev_backend.hpp"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vertanum::hardware {

namespace {

class LinuxPpdevSystem : public PpdevSystem {
  public:
    std::vector<std::string> ListDevices() override {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator("/dev", error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("parport", 0) == 0) names.push_back(name);
        }
        return names;
    }
    int Open(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        return fd >= 0 ? fd : -errno;
    }
    void Close(int fd) override { ::close(fd); }
    int Ioctl(int fd, unsigned long request, void* argument) override {
        return ::ioctl(fd, request, argument) == 0 ? 0 : -errno;
    }
    std::optional<std::string> ReadText(const std::string& path) override {
        std::ifstream in(path);
        if (!in) return std::nullopt;
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

// The number of "parportN", or -1 for any other name.
int PortIndex(const std::string& name) {
    if (name.size() <= 7 || name.size() > 10) return -1;
    int value = 0;
    for (std::size_t i = 7; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        value = value * 10 + (name[i] - '0');
    }
    return value;
}

std::string OpenProblem(const std::string& path, int error) {
    if (error == EACCES || error == EPERM) {
        return "Нет доступа к " + path +
               ": добавьте пользователя в группу lp (sudo usermod -aG lp $USER) и войдите в "
               "систему заново.";
    }
    if (error == ENXIO || error == ENODEV) {
        return "Порт " + path + " не отвечает: загружен ли модуль ppdev (modprobe ppdev)?";
    }
    return "Порт " + path + " не открывается: " + std::strerror(error) + ".";
}

}  // namespace

std::unique_ptr<PpdevSystem> MakeLinuxPpdevSystem() {
    return std::make_unique<LinuxPpdevSystem>();
}

std::unique_ptr<PortBackend> MakePpdevBackend() {
    return std::make_unique<PpdevBackend>(MakeLinuxPpdevSystem());
}

PpdevBackend::PpdevBackend(std::unique_ptr<PpdevSystem> system) : system_(std::move(system)) {}

PpdevBackend::~PpdevBackend() {
    Close();
}

bool PpdevBackend::Open() {
    if (open_) return true;
    problems_.clear();
    std::vector<std::pair<int, std::string>> found;
    for (const auto& name : system_->ListDevices()) {
        const int index = PortIndex(name);
        if (index >= 0) found.emplace_back(index, name);
    }
    std::sort(found.begin(), found.end());
    for (const auto& [index, name] : found) {
        const std::string path = "/dev/" + name;
        const int fd = system_->Open(path);
        if (fd < 0) {
            problems_.push_back(OpenProblem(path, -fd));
            continue;
        }
        ports_.push_back({name, fd});
    }
    if (found.empty()) {
        problems_.push_back(
            "Параллельные порты не найдены (/dev/parport*): загружен ли модуль ppdev (modprobe "
            "ppdev)?");
    }
    open_ = true;
    return true;
}

void PpdevBackend::Release() {
    if (Port* port = Claimed()) system_->Ioctl(port->fd, PPRELEASE, nullptr);
    claimed_ = -1;
}

void PpdevBackend::Close() {
    Release();
    for (auto& port : ports_) system_->Close(port.fd);
    ports_.clear();
    selected_ = -1;
    open_ = false;
}

void PpdevBackend::SelectPort(std::uint8_t number) {
    const int index = static_cast<int>(number) - 1;
    if (index < 0 || index >= static_cast<int>(ports_.size())) {
        Release();
        selected_ = -1;
        return;
    }
    if (index == claimed_) return;
    Release();
    selected_ = index;
    Port& port = ports_[static_cast<std::size_t>(index)];
    const int error = system_->Ioctl(port.fd, PPCLAIM, nullptr);
    if (error != 0) {
        problems_.push_back("Порт /dev/" + port.name +
                            " занят другой программой: " + std::strerror(-error) + ".");
        return;
    }
    claimed_ = index;
    unsigned char data = 0;
    if (system_->Ioctl(port.fd, PPRDATA, &data) == 0) data_ = data;
}

std::uint16_t PpdevBackend::BaseAddress() {
    if (selected_ < 0) return 0;
    const auto text = system_->ReadText(
        "/proc/sys/dev/parport/" + ports_[static_cast<std::size_t>(selected_)].name + "/base-addr");
    if (!text) return 0;
    std::istringstream in(*text);
    unsigned long value = 0;
    if (!(in >> value)) return 0;
    return static_cast<std::uint16_t>(value);
}

void PpdevBackend::Init() {
    Port* port = Claimed();
    if (port == nullptr) return;
    int forward = 0;
    system_->Ioctl(port->fd, PPDATADIR, &forward);
    // Strobe, auto-feed and select-in inactive, init high: a printer on the port stays quiet.
    unsigned char control = PARPORT_CONTROL_INIT;
    system_->Ioctl(port->fd, PPWCONTROL, &control);
}

void PpdevBackend::SetPin(std::uint8_t pin, bool level) {
    if (pin < 2 || pin > 9) return;
    Port* port = Claimed();
    if (port == nullptr) return;
    const auto mask = static_cast<unsigned char>(1u << (pin - 2));
    data_ = static_cast<unsigned char>(level ? (data_ | mask) : (data_ & ~mask));
    system_->Ioctl(port->fd, PPWDATA, &data_);
}

bool PpdevBackend::GetPin(std::uint8_t pin) {
    Port* port = Claimed();
    if (port == nullptr) return false;
    if (pin >= 2 && pin <= 9) return (data_ >> (pin - 2)) & 1u;
    unsigned char status = 0;
    if (system_->Ioctl(port->fd, PPRSTATUS, &status) != 0) return false;
    switch (pin) {
        case 10:
            return (status & PARPORT_STATUS_ACK) != 0;
        case 11:
            // The port inverts BUSY on its way to the register.
            return (status & PARPORT_STATUS_BUSY) == 0;
        case 12:
            return (status & PARPORT_STATUS_PAPEROUT) != 0;
        case 13:
            return (status & PARPORT_STATUS_SELECT) != 0;
        case 15:
            return (status & PARPORT_STATUS_ERROR) != 0;
        default:
            return false;
    }
}

}  // namespace vertanum::hardware
