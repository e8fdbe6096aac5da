#include "hardware/port_access.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "hardware/simulated_cable.hpp"
#include "hardware_test_support.hpp"

using namespace vertanum;
using namespace vertanum::hardware;

TEST(PortAccess, NothingBoundMeansNotOpenAndNoEffect) {
    UnloadPortLibrary();
    EXPECT_FALSE(OpenTVicPort());
    EXPECT_FALSE(IsDriverOpened());
    EXPECT_EQ(GetLPTNumPorts(), 0);
    EXPECT_EQ(GetLPTBasePort(), 0);
    SetPin(9, true);
    EXPECT_FALSE(GetPin(9));
}

TEST(PortAccess, AFailedBindingIsReportedAndLeavesTheDriverClosed) {
    RecordingMessages messages;
    const PortBackendFactory failing = []() -> std::unique_ptr<PortBackend> {
        throw std::runtime_error("no library");
    };
    EXPECT_FALSE(LoadPortLibrary(messages, failing));
    EXPECT_FALSE(LoadPortLibrary(messages, [] { return std::unique_ptr<PortBackend>(); }));
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Texts()[0], "Ошибка при попытке использовать dll\rбиблиотеки портов");
    EXPECT_EQ(BoundPortBackend(), nullptr);
    EXPECT_FALSE(OpenTVicPort());
    EXPECT_FALSE(IsDriverOpened());
}

TEST(PortAccess, ABoundBackendCarriesTheOperations) {
    RecordingMessages messages;
    test_support::RecordingPort* port = nullptr;
    ASSERT_TRUE(LoadPortLibrary(messages, [&] {
        auto p = std::make_unique<test_support::RecordingPort>();
        port = p.get();
        return p;
    }));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(IsDriverOpened());
    EXPECT_EQ(GetLPTNumPorts(), 0) << "a closed driver counts no ports";
    EXPECT_TRUE(OpenTVicPort());
    EXPECT_TRUE(IsDriverOpened());
    EXPECT_EQ(GetLPTNumPorts(), 1);
    SetLPTNumber(1);
    LPTInit();
    SetPin(7, true);
    EXPECT_TRUE(GetPin(7));
    EXPECT_EQ(GetLPTBasePort(), 0x378);
    EXPECT_EQ(port->selected, std::vector<std::uint8_t>{1});
    EXPECT_EQ(port->inits, 1);
    CloseTVicPort();
    EXPECT_FALSE(IsDriverOpened());
    UnloadPortLibrary();
    EXPECT_EQ(BoundPortBackend(), nullptr);
}

TEST(PortAccess, TheSimulatedCableLoopsPinsTwoAndThreeBack) {
    struct Case {
        bool loop_back;
        bool drive;
        bool expected_sense;
    } cases[] = {
        {true, false, false}, {true, true, true}, {false, false, true}, {false, true, true}};
    for (const auto& c : cases) {
        CableOptions options;
        options.loop_back = c.loop_back;
        ScopedPortLibrary binding(MakeSimulatedCable(std::nullopt, {}, options));
        ASSERT_TRUE(OpenTVicPort());
        SetLPTNumber(1);
        SetPin(2, c.drive);
        SetPin(3, c.drive);
        EXPECT_EQ(GetPin(11), c.expected_sense) << c.loop_back << c.drive;
        EXPECT_EQ(GetPin(12), c.expected_sense) << c.loop_back << c.drive;
        EXPECT_TRUE(GetPin(10)) << "an empty socket leaves MISO high";
    }
    EXPECT_FALSE(IsDriverOpened());
}

TEST(PortAccess, TheSimulatedCableIsOnlyOnItsOwnPort) {
    CableOptions options;
    options.port_count = 2;
    options.cable_port = 2;
    ScopedPortLibrary binding(MakeSimulatedCable(std::nullopt, {}, options));
    OpenTVicPort();
    EXPECT_EQ(GetLPTNumPorts(), 2);
    SetLPTNumber(1);
    SetPin(2, false);
    EXPECT_TRUE(GetPin(11)) << "nothing plugged into port 1";
    EXPECT_EQ(GetLPTBasePort(), 0x378);
    SetLPTNumber(2);
    SetPin(2, false);
    EXPECT_FALSE(GetPin(11));
    EXPECT_EQ(GetLPTBasePort(), 0x278);
}
