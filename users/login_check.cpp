#include "users/login_check.h"

#include "data/database.h"

namespace {
const QString liste_utilsa = QStringLiteral("Select * from UTILISA where (BLOQUE='False')");
const QString UTILISAT = QStringLiteral("Select * from UTILISA where (BLOQUE='False')  and (NAME=:N)and(Pass=:p)");
} // namespace

QStringList activeUserNames()
{
    QStringList names;
    for (const QSqlRecord &row : Database::instance().select(liste_utilsa))
        names.append(row.value(QStringLiteral("NAME")).toString());
    return names;
}

std::optional<int> findActiveUser(const QString &name, const QString &password)
{
    // Firebird ignores trailing blanks when it compares texts; a password must
    // match exactly as typed, so the rows are checked once more here.
    for (const QSqlRecord &row : Database::instance().select(UTILISAT, { name, password })) {
        if (row.value(QStringLiteral("PASS")).toString() == password)
            return row.value(QStringLiteral("CLE_USER")).toInt();
    }
    return std::nullopt;
}
