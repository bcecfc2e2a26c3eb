// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "devices/device_address.h"
#include "devices/telnet_codec.h"

namespace qm5 {
namespace {

using Setting = TelnetCodec::Setting;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int value : values) out += static_cast<char>(value);
    return out;
}

constexpr int IAC = 255, SB = 250, SE = 240, WILL = 251, WONT = 252, DO = 253, DONT = 254;
constexpr int COM_PORT = 44;

TEST(DeviceAddressTest, readsTheTwoNetworkFormsAndLeavesPathsAlone) {
    const auto rfc = std::get<NetworkAddress>(parseDevice("rfc2217://127.0.0.1:4001"));
    EXPECT_EQ(rfc.protocol, NetworkAddress::Protocol::Rfc2217);
    EXPECT_EQ(rfc.host, "127.0.0.1");
    EXPECT_EQ(rfc.port, 4001);
    const auto raw = std::get<NetworkAddress>(parseDevice("socket://[::1]:65535"));
    EXPECT_EQ(raw.protocol, NetworkAddress::Protocol::RawSocket);
    EXPECT_EQ(raw.host, "::1");
    EXPECT_EQ(std::get<NetworkAddress>(parseDevice("rfc2217://projector-3.hall:23/")).host,
              "projector-3.hall");
    EXPECT_EQ(std::get<LocalDevice>(parseDevice("/dev/serial/by-id/usb Ü")).path,
              "/dev/serial/by-id/usb Ü");
}

TEST(DeviceAddressTest, namesTheFormsForAnAddressItDoesNotTake) {
    for (const char* wrong :
         {"tcp://127.0.0.1:4001", "rfc2217://127.0.0.1", "rfc2217://:4001", "socket://host:0",
          "socket://host:65536", "socket://host:12ab", "rfc2217://[::1:4001", "rfc2217://[x]:1",
          "rfc2217://::1:4001", "socket://a b:1", "rfc2217://"}) {
        const auto parsed = parseDevice(wrong);
        ASSERT_TRUE(std::holds_alternative<AddressError>(parsed)) << wrong;
        EXPECT_NE(std::get<AddressError>(parsed).what.find("rfc2217://HOST:PORT or "
                                                           "socket://HOST:PORT"),
                  std::string::npos);
    }
}

TEST(DeviceAddressTest, suggestsBothFormsForAServerAddressWithoutOne) {
    for (const char* address : {"127.0.0.1:43079", "projector-3.hall:23", "[::1]:4001"}) {
        const auto parsed = parseDevice(address);
        ASSERT_TRUE(std::holds_alternative<AddressError>(parsed)) << address;
        const std::string& what = std::get<AddressError>(parsed).what;
        EXPECT_NE(what.find("rfc2217://" + std::string(address)), std::string::npos) << what;
        EXPECT_NE(what.find("socket://" + std::string(address)), std::string::npos) << what;
    }
    for (const char* path : {"COM1", "/dev/ttyUSB0", "./tty:1", "C:\\ports\\com:1", "ttyS0:"}) {
        EXPECT_TRUE(std::holds_alternative<LocalDevice>(parseDevice(path))) << path;
    }
}

struct TelnetCodecTest : ::testing::Test {
    TelnetCodec codec{LineSettings{19200, Parity::None, 8, StopBits::One}};
    std::string opening = codec.opening();
};

TEST_F(TelnetCodecTest, offersTheOptionAndSendsTheSettingsOnceTheServerTakesIt) {
    EXPECT_NE(opening.find(bytes({IAC, WILL, COM_PORT})), std::string::npos);
    const TelnetCodec::Decoded decoded = codec.decode(bytes({IAC, DO, COM_PORT}));
    EXPECT_EQ(decoded.reply, bytes({IAC, SB, COM_PORT, 1, 0, 0,   0x4B, 0, IAC, SE,  // 19200
                                    IAC, SB, COM_PORT, 2, 8, IAC, SE,                // 8 bits
                                    IAC, SB, COM_PORT, 3, 1, IAC, SE,                // no parity
                                    IAC, SB, COM_PORT, 4, 1, IAC, SE,                // 1 stop bit
                                    IAC, SB, COM_PORT, 5, 1, IAC, SE}));             // no flow
    EXPECT_TRUE(codec.decode(bytes({IAC, DO, COM_PORT})).reply.empty());
}

TEST_F(TelnetCodecTest, readsAnswersSplitAcrossReadsAndKeepsDataApart) {
    codec.decode(bytes({IAC, DO, COM_PORT}));
    const std::string stream =
        bytes({'A', IAC, SB,  COM_PORT, 101, 0,  0,        0x4B, 0, IAC, SE,
               'B', IAC, IAC, 'C',      IAC, SB, COM_PORT, 103,  1, IAC, SE});
    std::string data;
    for (const char c : stream) data += codec.decode(std::string(1, c)).data;
    EXPECT_EQ(data, std::string("AB\xff") + "C");
    EXPECT_EQ(codec.answer(Setting::BaudRate), 19200U);
    EXPECT_EQ(codec.answer(Setting::Parity), 1U);
    EXPECT_EQ(codec.answer(Setting::DataSize), std::nullopt);
}

TEST_F(TelnetCodecTest, refusesWhatItDoesNotDoOnceAndNoticesARefusedOption) {
    EXPECT_EQ(codec.decode(bytes({IAC, DO, 24, IAC, WILL, 1})).reply,
              bytes({IAC, WONT, 24, IAC, DONT, 1}));
    EXPECT_TRUE(codec.decode(bytes({IAC, DO, 24, IAC, WILL, 1})).reply.empty());
    EXPECT_TRUE(codec.decode(bytes({IAC, WILL, 0, IAC, DO, 3})).reply.empty());  // agreed
    EXPECT_FALSE(codec.refused());
    EXPECT_TRUE(codec.decode(bytes({IAC, DONT, COM_PORT})).reply.empty());
    EXPECT_TRUE(codec.refused());
    EXPECT_FALSE(codec.settingsSent());
}

TEST_F(TelnetCodecTest, takesOnlyTheFirstAnswerToASettingAsked) {
    const std::string answer = bytes({IAC, SB, COM_PORT, 102, 7, IAC, SE});
    codec.decode(answer);  // before the settings were sent
    EXPECT_EQ(codec.answer(Setting::DataSize), std::nullopt);
    codec.decode(bytes({IAC, DO, COM_PORT}));
    codec.decode(bytes({IAC, SB, COM_PORT, 102, 8, IAC, SE}) + answer);
    EXPECT_EQ(codec.answer(Setting::DataSize), 8U);
}

TEST_F(TelnetCodecTest, survivesHostileInputWithBoundedBuffers) {
    codec.decode(bytes({IAC, DO, COM_PORT}));
    EXPECT_FALSE(codec.overlong());
    std::string hostile = bytes({IAC, SB, COM_PORT, 101});
    hostile += std::string(100000, '\x01');  // an endless subnegotiation
    hostile += bytes({IAC, SE, IAC, SB, IAC, 7, 'x', IAC, 241, IAC});
    const TelnetCodec::Decoded decoded = codec.decode(hostile);
    EXPECT_EQ(decoded.data, "x");
    EXPECT_EQ(codec.answer(Setting::BaudRate), 0x01010101U);
    EXPECT_TRUE(codec.overlong());
    EXPECT_EQ(codec.decode(bytes({241, 'y'})).data, "y");  // the command split from its IAC
}

TEST(TelnetEscapeTest, doublesEveryByte255) {
    EXPECT_EQ(TelnetCodec::escape(bytes({'C', 255, 0, 255, 255})),
              bytes({'C', 255, 255, 0, 255, 255, 255, 255}));
}

}  // namespace
}  // namespace qm5
