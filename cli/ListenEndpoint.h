#pragma once
// Where the emulator listens: HOST:PORT as its --listen option takes it.

#include <QHostAddress>
#include <QString>
#include <optional>

namespace zozavud::cli {

struct Endpoint {
    QHostAddress Address;
    quint16 Port = 0;
};

// HOST is a dotted IPv4 address of four parts (no leading zeros), a bracketed IPv6
// address ([::1]) or localhost; PORT is plain digits, 0..65535 (0 for any free port).
// Nothing else: no names to look up, no signs, no blanks, no short forms of IPv4.
std::optional<Endpoint> ParseEndpoint(const QString& text);

QString EndpointText(const QHostAddress& address, quint16 port);

// The warning for an address that other machines reach; empty for a loopback one.
QString ExposureWarning(const Endpoint& endpoint);

}  // namespace zozavud::cli
