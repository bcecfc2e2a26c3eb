// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "devices/line_settings.h"

namespace qm5 {

/// The client side of Telnet with the COM Port Control Option (RFC 2217), as a pure function of
/// the bytes that arrive: splits the serial data from the protocol, answers the server's
/// negotiation, sends the line settings once the server takes the option, and collects its
/// answers to them. Everything from the network is untrusted: every buffer is bounded, and any
/// byte sequence is taken without error.
class TelnetCodec {
  public:
    /// The settings that the server is asked for and answers, by RFC 2217's command number.
    enum class Setting : std::uint8_t { BaudRate = 1, DataSize, Parity, StopSize, Control };

    struct Decoded {
        /// What came from the serial line.
        std::string data;
        /// What to send back to the server now.
        std::string reply;
    };

    explicit TelnetCodec(const LineSettings& settings) : settings_(settings) {}

    /// What the client sends first: its offers of binary transmission, suppressed go-ahead and
    /// the COM Port Control Option.
    std::string opening();
    Decoded decode(std::string_view bytes);
    /// Serial data as it goes on the connection: every byte 255 doubled.
    static std::string escape(std::string_view data);

    /// The server refused the COM Port Control Option.
    bool refused() const { return refused_; }
    /// The server refused binary transmission, either way: CR NUL and NUL bytes would then be
    /// taken for the projector's.
    bool binaryRefused() const { return binaryRefused_; }
    /// What the server answered to a setting, if it has.
    std::optional<std::uint32_t> answer(Setting setting) const {
        return answers_[static_cast<std::size_t>(setting)];
    }
    /// What a setting asks for.
    std::uint32_t asked(Setting setting) const;
    /// The server took the option and the line settings have been sent.
    bool settingsSent() const { return settingsSent_; }
    /// The longest subnegotiation a server may send; a longer one is a protocol failure.
    static constexpr std::size_t kLongestSubnegotiation = 1024;
    /// Inside a subnegotiation that has not ended yet.
    bool inSubnegotiation() const { return state_ == State::Sub || state_ == State::SubCommand; }
    /// The server sent a subnegotiation longer than kLongestSubnegotiation.
    bool overlong() const { return overlong_; }

  private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    enum class Agreement : std::uint8_t { No, Asked, Yes };

    void command(std::uint8_t verb, std::uint8_t option, std::string& reply);
    void subnegotiation();
    std::string settingsRequest() const;

    LineSettings settings_;
    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    std::string sub_;
    /// Bytes of the current subnegotiation, kept or not.
    std::size_t subLength_ = 0;
    /// Whether this side does an option, and whether the server does.
    std::array<Agreement, 256> ours_{};
    std::array<Agreement, 256> theirs_{};
    /// Options this side has declined to do, and declined to let the server do.
    std::array<bool, 256> declined_{};
    std::array<bool, 256> forbidden_{};
    std::array<std::optional<std::uint32_t>, 6> answers_{};
    bool refused_ = false;
    bool binaryRefused_ = false;
    bool settingsSent_ = false;
    bool overlong_ = false;
};

}  // namespace qm5
