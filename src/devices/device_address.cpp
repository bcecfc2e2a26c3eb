// SPDX-License-Identifier: MIT
#include "devices/device_address.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace qm5 {

namespace {

bool isNameOrIpv4(std::string_view host) {
    return !host.empty() && std::ranges::all_of(host, [](unsigned char c) {
        return std::isalnum(c) != 0 || c == '.' || c == '-' || c == '_';
    });
}

bool isIpv6(std::string_view host) {
    return host.find(':') != std::string_view::npos &&
           std::ranges::all_of(
               host, [](unsigned char c) { return std::isxdigit(c) != 0 || c == ':' || c == '.'; });
}

/// HOST:PORT, as a server's address is often written: no path, and a port number after the
/// last colon.
bool looksLikeHostAndPort(std::string_view text) {
    if (text.find_first_of("/\\") != std::string_view::npos) return false;
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size()) return false;
    const std::string_view port = text.substr(colon + 1);
    if (port.size() > 5 ||
        !std::ranges::all_of(port, [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return false;
    }
    const std::string_view host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        return isIpv6(host.substr(1, host.size() - 2));
    }
    return isNameOrIpv4(host);
}

}  // namespace

std::variant<LocalDevice, NetworkAddress, AddressError> parseDevice(const std::string& device) {
    const std::size_t scheme = device.find("://");
    if (scheme == std::string::npos && looksLikeHostAndPort(device)) {
        return AddressError{
            QCoreApplication::translate("DeviceAddress",
                                        "\"%1\" is no serial port; for a serial device server give "
                                        "rfc2217://%1 (RFC 2217) or socket://%1 (raw TCP)")
                .arg(QString::fromStdString(device))
                .toStdString()};
    }
    if (scheme == std::string::npos) return LocalDevice{device};
    // `why` names the device as %1.
    const auto wrong = [&](const char* why) {
        const QString what =
            QCoreApplication::translate("DeviceAddress", why).arg(QString::fromStdString(device));
        return AddressError{
            QCoreApplication::translate(
                "DeviceAddress",
                "%1: the forms taken are rfc2217://HOST:PORT or socket://HOST:PORT, with HOST a "
                "name, an IPv4 address or an IPv6 address in brackets ([::1]:4001)")
                .arg(what)
                .toStdString()};
    };

    const std::string_view name = std::string_view(device).substr(0, scheme);
    NetworkAddress address{};
    if (name == "rfc2217") {
        address.protocol = NetworkAddress::Protocol::Rfc2217;
    } else if (name == "socket") {
        address.protocol = NetworkAddress::Protocol::RawSocket;
    } else {
        return wrong(
            QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" is no address of a serial device server"));
    }

    std::string_view rest = std::string_view(device).substr(scheme + 3);
    if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
    std::string_view host;
    std::string_view port;
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos || rest.substr(close + 1, 1) != ":") {
            return wrong(QT_TRANSLATE_NOOP("DeviceAddress",
                                           "\"%1\" has no port after its bracketed address"));
        }
        host = rest.substr(1, close - 1);
        port = rest.substr(close + 2);
        if (!isIpv6(host))
            return wrong(
                QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" has no IPv6 address in its brackets"));
    } else {
        const std::size_t colon = rest.rfind(':');
        if (colon == std::string_view::npos)
            return wrong(QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" has no port"));
        host = rest.substr(0, colon);
        port = rest.substr(colon + 1);
        if (!isNameOrIpv4(host))
            return wrong(QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" has no host name or address"));
    }
    unsigned long number = 0;
    for (const char c : port) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0 || number > 65535) {
            return wrong(QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" has no port number"));
        }
        number = number * 10 + static_cast<unsigned long>(c - '0');
    }
    if (port.empty() || number == 0 || number > 65535)
        return wrong(QT_TRANSLATE_NOOP("DeviceAddress", "\"%1\" has no port from 1 to 65535"));
    address.host = std::string(host);
    address.port = static_cast<std::uint16_t>(number);
    return address;
}

}  // namespace qm5
