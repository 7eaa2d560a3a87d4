#include "app/local_address.h"

#include <QHostInfo>

QString lastIpv4Address(const QList<QHostAddress> &addresses)
{
    QString last;
    for (const QHostAddress &address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            last = address.toString();
    }
    return last;
}

QString localIpAddress()
{
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    if (host.error() != QHostInfo::NoError)
        return QString();
    return lastIpv4Address(host.addresses());
}
