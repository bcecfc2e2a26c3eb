// SPDX-License-Identifier: MIT
#include "devices/telnet_codec.h"

namespace qm5 {

namespace {

constexpr std::uint8_t kSe = 240;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kIac = 255;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;
/// A server's answer to a setting carries the command number plus this.
constexpr std::uint8_t kServerAnswer = 100;
/// Longer subnegotiations are no answer of ours; the rest of one is dropped.
constexpr std::size_t kLongestSub = 16;

std::string sequence(std::initializer_list<std::uint8_t> bytes) {
    std::string out;
    for (const std::uint8_t byte : bytes) out += static_cast<char>(byte);
    return out;
}

bool weDo(std::uint8_t option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

bool weLetThemDo(std::uint8_t option) {
    return option == kBinary || option == kSuppressGoAhead;
}

std::uint8_t parityCode(Parity parity) {
    switch (parity) {
        case Parity::Odd:
            return 2;
        case Parity::Even:
            return 3;
        case Parity::Mark:
            return 4;
        case Parity::Space:
            return 5;
        case Parity::None:
            break;
    }
    return 1;
}

std::uint8_t stopCode(StopBits stopBits) {
    switch (stopBits) {
        case StopBits::Two:
            return 2;
        case StopBits::OneAndHalf:
            return 3;
        case StopBits::One:
            break;
    }
    return 1;
}

}  // namespace

std::string TelnetCodec::opening() {
    for (const std::uint8_t option : {kBinary, kSuppressGoAhead, kComPort}) {
        ours_[option] = Agreement::Asked;
    }
    for (const std::uint8_t option : {kBinary, kSuppressGoAhead}) {
        theirs_[option] = Agreement::Asked;
    }
    return sequence({kIac, kWill, kBinary, kIac, kDo, kBinary, kIac, kWill, kSuppressGoAhead, kIac,
                     kDo, kSuppressGoAhead, kIac, kWill, kComPort});
}

std::string TelnetCodec::escape(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (const char c : data) {
        out += c;
        if (static_cast<std::uint8_t>(c) == kIac) out += c;
    }
    return out;
}

std::uint32_t TelnetCodec::asked(Setting setting) const {
    switch (setting) {
        case Setting::BaudRate:
            return static_cast<std::uint32_t>(settings_.baudRate);
        case Setting::DataSize:
            return static_cast<std::uint32_t>(settings_.dataBits);
        case Setting::Parity:
            return parityCode(settings_.parity);
        case Setting::StopSize:
            return stopCode(settings_.stopBits);
        case Setting::Control:
            break;
    }
    return 1;  // no flow control; the modem lines are never asked for
}

std::string TelnetCodec::settingsRequest() const {
    std::string out;
    for (const Setting setting : {Setting::BaudRate, Setting::DataSize, Setting::Parity,
                                  Setting::StopSize, Setting::Control}) {
        const std::uint32_t value = asked(setting);
        std::string payload;
        if (setting == Setting::BaudRate) {
            for (const int shift : {24, 16, 8, 0}) payload += static_cast<char>(value >> shift);
        } else {
            payload += static_cast<char>(value);
        }
        out += sequence({kIac, kSb, kComPort, static_cast<std::uint8_t>(setting)});
        out += escape(payload);
        out += sequence({kIac, kSe});
    }
    return out;
}

TelnetCodec::Decoded TelnetCodec::decode(std::string_view bytes) {
    Decoded out;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        switch (state_) {
            case State::Data:
                if (byte == kIac) {
                    state_ = State::Command;
                } else {
                    out.data += c;
                }
                break;
            case State::Command:
                state_ = State::Data;
                if (byte == kIac) {
                    out.data += c;
                } else if (byte == kSb) {
                    sub_.clear();
                    subLength_ = 0;
                    state_ = State::Sub;
                } else if (byte >= kWill) {
                    verb_ = byte;
                    state_ = State::Option;
                }
                // Any other command (no operation, go ahead, ...) asks nothing of a client.
                break;
            case State::Option:
                command(verb_, byte, out.reply);
                state_ = State::Data;
                break;
            case State::Sub:
                if (++subLength_ > kLongestSubnegotiation) overlong_ = true;
                if (byte == kIac) {
                    state_ = State::SubCommand;
                } else if (sub_.size() < kLongestSub) {
                    sub_ += c;
                }
                break;
            case State::SubCommand:
                if (byte == kIac) {
                    if (sub_.size() < kLongestSub) sub_ += c;
                    state_ = State::Sub;
                } else {
                    // SE ends it; anything else is a broken subnegotiation, dropped whole.
                    if (byte == kSe) subnegotiation();
                    state_ = State::Data;
                }
                break;
        }
    }
    if (ours_[kComPort] == Agreement::Yes && !settingsSent_) {
        out.reply += settingsRequest();
        settingsSent_ = true;
    }
    return out;
}

void TelnetCodec::command(std::uint8_t verb, std::uint8_t option, std::string& reply) {
    // Only a change is answered, and an option this side does not have is declined once, so
    // that the two sides can never loop.
    const auto answer = [&](std::uint8_t said) { reply += sequence({kIac, said, option}); };
    switch (verb) {
        case kDo:
            if (!weDo(option)) {
                if (!declined_[option]) answer(kWont);
                declined_[option] = true;
            } else if (ours_[option] != Agreement::Yes) {
                if (ours_[option] == Agreement::No) answer(kWill);
                ours_[option] = Agreement::Yes;
            }
            break;
        case kDont:
            if (ours_[option] == Agreement::Yes) answer(kWont);
            if (option == kComPort && ours_[option] != Agreement::No) refused_ = true;
            if (option == kBinary && ours_[option] != Agreement::No) binaryRefused_ = true;
            ours_[option] = Agreement::No;
            break;
        case kWill:
            if (!weLetThemDo(option)) {
                if (!forbidden_[option]) answer(kDont);
                forbidden_[option] = true;
            } else if (theirs_[option] != Agreement::Yes) {
                if (theirs_[option] == Agreement::No) answer(kDo);
                theirs_[option] = Agreement::Yes;
            }
            break;
        case kWont:
            if (theirs_[option] == Agreement::Yes) answer(kDont);
            if (option == kBinary && theirs_[option] != Agreement::No) binaryRefused_ = true;
            theirs_[option] = Agreement::No;
            break;
        default:
            break;
    }
}

void TelnetCodec::subnegotiation() {
    if (sub_.size() < 3 || static_cast<std::uint8_t>(sub_[0]) != kComPort) return;
    const auto command = static_cast<std::uint8_t>(sub_[1]);
    if (command <= kServerAnswer || command > kServerAnswer + 5) return;
    const auto setting = static_cast<Setting>(command - kServerAnswer);
    // Only an answer to a setting asked counts, and only the first: a server cannot change a
    // setting after the fact, nor answer one it was never asked.
    if (!settingsSent_ || answers_[static_cast<std::size_t>(setting)]) return;
    const std::size_t length = setting == Setting::BaudRate ? 4 : 1;
    if (sub_.size() < 2 + length) return;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        value = (value << 8U) | static_cast<std::uint8_t>(sub_[2 + i]);
    }
    answers_[static_cast<std::size_t>(setting)] = value;
}

}  // namespace qm5
