#include "ListenEndpoint.h"

#include <QRegularExpression>

namespace zozavud::cli {

namespace {

std::optional<QHostAddress> ParseHost(const QString& host) {
    if (host == QLatin1String("localhost")) return QHostAddress(QHostAddress::LocalHost);
    static const QRegularExpression ipv4(
        QRegularExpression::anchoredPattern("((0|[1-9][0-9]{0,2})\\.){3}(0|[1-9][0-9]{0,2})"));
    static const QRegularExpression ipv6(QRegularExpression::anchoredPattern("\\[[0-9A-Fa-f:.]+\\]"));
    QHostAddress address;
    if (ipv4.match(host).hasMatch()) {
        quint32 value = 0;
        for (const QString& part : host.split('.')) {
            if (part.toUInt() > 255) return std::nullopt;
            value = (value << 8) | part.toUInt();
        }
        return QHostAddress(value);
    }
    if (ipv6.match(host).hasMatch() && address.setAddress(host.mid(1, host.size() - 2)) &&
        address.protocol() == QAbstractSocket::IPv6Protocol)
        return address;
    return std::nullopt;
}

}  // namespace

std::optional<Endpoint> ParseEndpoint(const QString& text) {
    static const QRegularExpression port(QRegularExpression::anchoredPattern("[0-9]{1,5}"));
    const int colon = text.lastIndexOf(':');
    const QString portText = text.mid(colon + 1);
    if (colon < 0 || !port.match(portText).hasMatch() || portText.toUInt() > 65535) return std::nullopt;
    const std::optional<QHostAddress> host = ParseHost(text.left(colon));
    if (!host) return std::nullopt;
    return Endpoint{*host, static_cast<quint16>(portText.toUInt())};
}

QString EndpointText(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']'
                                                                             : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

QString ExposureWarning(const Endpoint& endpoint) {
    if (endpoint.Address.isLoopback()) return QString();
    return QStringLiteral("listening on %1 accepts jobs from other machines")
        .arg(EndpointText(endpoint.Address, endpoint.Port));
}

}  // namespace zozavud::cli
