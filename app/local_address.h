#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

// The last IPv4 address of a list, as dotted text; empty when there is none.
QString lastIpv4Address(const QList<QHostAddress> &addresses);

// The last IPv4 address that the computer's host name resolves to, or an empty text.
QString localIpAddress();
