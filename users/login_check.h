#pragma once

#include <QStringList>
#include <optional>

// The users who may log in: every user who is not blocked. Throws DbError.
QStringList activeUserNames();

// The key of the first active user with this name and this exact password;
// nothing when none matches. Throws DbError.
std::optional<int> findActiveUser(const QString &name, const QString &password);
