// SPDX-License-Identifier: MIT
#include "projector.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace qm5::projector {

namespace {

// The command codes this projector model understands.
constexpr std::string_view kCommands[] = {
    "C00", "C01", "C02", "C05", "C06", "C07", "C08", "C09", "C0A", "C0B", "C0C", "C0D",
    "C0E", "C0F", "C10", "C1C", "C1D", "C1E", "C1F", "C23", "C24", "C25", "C26", "C27",
    "C28", "C29", "C2A", "C2B", "C2C", "C2D", "C30", "C31", "C3A", "C3B", "C3C", "C3D",
    "C3E", "C3F", "C43", "C44", "C46", "C47", "C4A", "C4B", "C5D", "C5E", "C80", "C87",
    "C88", "C89", "C8E", "C8F", "C11", "C12", "C13", "C14", "C15", "C16", "C17", "C18",
    "C19", "C1A", "C1B", "C20", "C21", "C22", "C2E"};

constexpr char kCr = '\r';

}  // namespace

std::string Projector::answer(std::string_view code, double now) {
    if (code == "CR0") {
        static constexpr std::array<std::string_view, 4> kStates{"80", "40", "00", "20"};
        return std::string(kStates[static_cast<std::size_t>(powerAt(now))]) + kCr;
    }
    if (code == "CR1") return std::string{input_, kCr};
    if (code == "CR3") {
        char hours[16];
        std::snprintf(hours, sizeof hours, "%04d", lampHoursAt(now));
        return std::string(hours) + kCr;
    }
    if (code == "CR4") return options_.orientation + kCr;
    if (std::ranges::find(kCommands, code) == std::end(kCommands)) return {kNak};

    if (code == "C00") powerOn(now);
    if (code == "C02") powerOff(now);
    if (code == "C05") input_ = '0';
    if (code == "C06" || code == "C07") input_ = '1';
    if (code == "C08") input_ = '2';
    return {kAck};
}

Projector::Power Projector::powerAt(double now) const {
    const double since = now - switchedAt_;
    if (switchedOn_) return since < options_.warmUpSeconds ? Power::CountDown : Power::On;
    return since < options_.coolDownSeconds ? Power::Cooling : Power::Standby;
}

bool Projector::lampLit(double now) const {
    const Power power = powerAt(now);
    return power == Power::CountDown || power == Power::On;
}

int Projector::lampHoursAt(double now) const {
    const double seconds = lampSecondsBefore_ + (switchedOn_ ? now - switchedAt_ : 0);
    // The reply shows four digits: count modulo 10000, so no run is long enough to overflow.
    const double hours = std::fmod(std::floor(seconds / options_.hourSeconds), 10000.0);
    return (options_.lampHours + static_cast<int>(hours)) % 10000;
}

void Projector::powerOn(double now) {
    if (switchedOn_) return;
    switchedOn_ = true;
    switchedAt_ = now;
}

void Projector::powerOff(double now) {
    if (!lampLit(now)) return;
    lampSecondsBefore_ += now - switchedAt_;
    switchedOn_ = false;
    switchedAt_ = now;
}

}  // namespace qm5::projector
