#include "hardware/ppdev_backend.hpp"

#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

using namespace vertanum::hardware;

namespace {

// Stands in for /dev, the ioctl calls of ppdev and /proc.
struct FakePorts {
    std::vector<std::string> devices;
    std::map<std::string, int> open_errors;  // path -> errno
    std::map<std::string, std::string> files;
    unsigned char status = 0;
    int claim_error = 0;
    std::vector<std::pair<int, unsigned long>> calls;
    std::vector<unsigned char> data_writes;
    std::vector<int> closed;
    std::map<int, std::string> paths;
};

class FakeSystem : public PpdevSystem {
  public:
    explicit FakeSystem(FakePorts& ports) : p_(ports) {}
    std::vector<std::string> ListDevices() override { return p_.devices; }
    int Open(const std::string& path) override {
        if (auto it = p_.open_errors.find(path); it != p_.open_errors.end()) return -it->second;
        const int fd = 10 + static_cast<int>(p_.paths.size());
        p_.paths[fd] = path;
        return fd;
    }
    void Close(int fd) override { p_.closed.push_back(fd); }
    int Ioctl(int fd, unsigned long request, void* argument) override {
        p_.calls.emplace_back(fd, request);
        if (request == PPCLAIM) return -p_.claim_error;
        if (request == PPWDATA) p_.data_writes.push_back(*static_cast<unsigned char*>(argument));
        if (request == PPRSTATUS) *static_cast<unsigned char*>(argument) = p_.status;
        if (request == PPRDATA) *static_cast<unsigned char*>(argument) = 0x00;
        return 0;
    }
    std::optional<std::string> ReadText(const std::string& path) override {
        if (auto it = p_.files.find(path); it != p_.files.end()) return it->second;
        return std::nullopt;
    }

  private:
    FakePorts& p_;
};

int CallsOf(const FakePorts& p, unsigned long request) {
    int n = 0;
    for (const auto& c : p.calls) n += c.second == request ? 1 : 0;
    return n;
}

}  // namespace

TEST(PpdevPort, CountsOnlyPortsThatOpenAndSaysWhyTheOthersAreMissing) {
    FakePorts ports;
    ports.devices = {"parport2", "lp0", "parport0", "parportx"};
    ports.open_errors["/dev/parport0"] = EACCES;
    ports.files["/proc/sys/dev/parport/parport2/base-addr"] = "888\t1912\n";
    PpdevBackend backend(std::make_unique<FakeSystem>(ports));
    ASSERT_TRUE(backend.Open());
    EXPECT_EQ(backend.PortCount(), 1);
    ASSERT_EQ(backend.Problems().size(), 1u);
    EXPECT_NE(backend.Problems()[0].find("/dev/parport0"), std::string::npos);
    EXPECT_NE(backend.Problems()[0].find("группу lp"), std::string::npos);
    backend.SelectPort(1);  // the first usable port is parport2
    EXPECT_EQ(backend.BaseAddress(), 0x378);
    EXPECT_EQ(CallsOf(ports, PPCLAIM), 1);
}

TEST(PpdevPort, NoDevicesAtAllIsExplained) {
    FakePorts ports;
    PpdevBackend backend(std::make_unique<FakeSystem>(ports));
    EXPECT_TRUE(backend.Open());
    EXPECT_EQ(backend.PortCount(), 0);
    ASSERT_EQ(backend.Problems().size(), 1u);
    EXPECT_NE(backend.Problems()[0].find("ppdev"), std::string::npos);
}

TEST(PpdevPort, OnePinChangeIsOneDataRegisterWrite) {
    FakePorts ports;
    ports.devices = {"parport0"};
    PpdevBackend backend(std::make_unique<FakeSystem>(ports));
    backend.Open();
    backend.SelectPort(1);
    backend.SetPin(9, true);
    backend.SetPin(6, true);
    backend.SetPin(9, false);
    backend.SetPin(2, true);
    backend.SetPin(1, true);   // not a data pin
    backend.SetPin(10, true);  // an input
    EXPECT_EQ(ports.data_writes, (std::vector<unsigned char>{0x80, 0x90, 0x10, 0x11}));
    EXPECT_TRUE(backend.GetPin(6));
    EXPECT_FALSE(backend.GetPin(9));
}

TEST(PpdevPort, StatusPinsAnswerConnectorLevels) {
    struct Case {
        unsigned char status;
        bool miso, busy, paper;
    } cases[] = {
        // BUSY is inverted on its way into the register: a clear bit is a high pin.
        {0x00, false, true, false},
        {PARPORT_STATUS_BUSY, false, false, false},
        {PARPORT_STATUS_ACK, true, true, false},
        {PARPORT_STATUS_PAPEROUT | PARPORT_STATUS_BUSY, false, false, true},
        {0xF8, true, false, true},
    };
    for (const auto& c : cases) {
        FakePorts ports;
        ports.devices = {"parport0"};
        ports.status = c.status;
        PpdevBackend backend(std::make_unique<FakeSystem>(ports));
        backend.Open();
        backend.SelectPort(1);
        EXPECT_EQ(backend.GetPin(10), c.miso) << int(c.status);
        EXPECT_EQ(backend.GetPin(11), c.busy) << int(c.status);
        EXPECT_EQ(backend.GetPin(12), c.paper) << int(c.status);
    }
}

TEST(PpdevPort, APortIsClaimedWhileSelectedAndReleasedAfterwards) {
    FakePorts ports;
    ports.devices = {"parport0", "parport1"};
    PpdevBackend backend(std::make_unique<FakeSystem>(ports));
    backend.Open();
    backend.SelectPort(1);
    backend.SelectPort(1);
    EXPECT_EQ(CallsOf(ports, PPCLAIM), 1) << "selecting the same port again keeps the claim";
    backend.SelectPort(2);
    EXPECT_EQ(CallsOf(ports, PPRELEASE), 1);
    backend.Init();
    EXPECT_EQ(CallsOf(ports, PPWCONTROL), 1);
    backend.Close();
    EXPECT_EQ(CallsOf(ports, PPRELEASE), 2);
    EXPECT_EQ(ports.closed.size(), 2u);
    EXPECT_FALSE(backend.IsOpen());
}

TEST(PpdevPort, APortBusyElsewhereIsReportedAndLeftAlone) {
    FakePorts ports;
    ports.devices = {"parport0"};
    ports.claim_error = EBUSY;
    PpdevBackend backend(std::make_unique<FakeSystem>(ports));
    backend.Open();
    backend.SelectPort(1);
    backend.SetPin(9, true);
    EXPECT_TRUE(ports.data_writes.empty());
    EXPECT_FALSE(backend.GetPin(10));
    ASSERT_EQ(backend.Problems().size(), 1u);
    EXPECT_NE(backend.Problems()[0].find("занят"), std::string::npos);
}
