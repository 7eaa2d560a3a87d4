#include "data/database.h"

#include <QSqlQuery>

namespace {
const QString connectionName = QStringLiteral("UniConnection1");
// SQLCODE of a lost or refused network link: the connection is closed so that
// the next statement opens it again.
const QString networkErrorCode = QStringLiteral("-902");
} // namespace

DbError::DbError(const QSqlError &error)
    : AppError(error.databaseText().isEmpty() ? error.text() : error.databaseText())
    , m_sqlCode(error.nativeErrorCode())
{
}

DbError::DbError(const QString &message)
    : AppError(message)
{
}

Database &Database::instance()
{
    static Database database;
    return database;
}

Database::Database()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName);
    // Firebird takes the operating system's user otherwise.
    db.setUserName(QStringLiteral("SYSDBA"));
}

void Database::close()
{
    QSqlDatabase::database(connectionName, false).close();
}

void Database::setDatabaseName(const QString &name)
{
    m_name = name;
    QSqlDatabase::database(connectionName, false).setDatabaseName(name);
}

QString Database::databaseName() const
{
    return m_name;
}

void Database::setPassword(const QString &password)
{
    QSqlDatabase::database(connectionName, false).setPassword(password);
}

void Database::open()
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw DbError(
            QStringLiteral("Le pilote Firebird de Qt (QIBASE) est introuvable : installez libqt6sql6-ibase."));
    if (m_name.isEmpty())
        throw DbError(QStringLiteral("Aucune base de données n'est indiquée (ligne 4 du fichier \"Ch.txt\")."));
    if (!db.open())
        throw DbError(db.lastError());
}

bool Database::isOpen() const
{
    return QSqlDatabase::database(connectionName, false).isOpen();
}

QSqlDatabase Database::openedConnection()
{
    if (!isOpen())
        open();
    return QSqlDatabase::database(connectionName, false);
}

void Database::fail(const QSqlError &error)
{
    if (error.nativeErrorCode() == networkErrorCode)
        close();
    throw DbError(error);
}

void Database::inTransaction(const std::function<void()> &work)
{
    QSqlDatabase db = openedConnection();
    if (!db.transaction())
        fail(db.lastError());
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        fail(error);
    }
}

void Database::run(QSqlQuery &query, const QString &sql, const QVariantList &params)
{
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError());
    for (const QVariant &param : params)
        query.addBindValue(param);
    if (!query.exec())
        fail(query.lastError());
}

Rows Database::select(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(openedConnection());
    run(query, sql, params);
    // Qt's Firebird driver reads the catalogue for every column each time it is
    // asked for a record: the shape of a statement's rows is taken once.
    auto shape = m_rowShapes.find(sql);
    if (shape == m_rowShapes.end()) {
        QSqlRecord empty = query.record();
        empty.clearValues();
        shape = m_rowShapes.insert(sql, empty);
    }
    Rows rows;
    while (query.next()) {
        QSqlRecord row = *shape;
        for (int i = 0; i < row.count(); ++i)
            row.setValue(i, query.value(i));
        rows.append(row);
    }
    if (query.lastError().isValid())
        fail(query.lastError());
    return rows;
}

int Database::execute(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(openedConnection());
    run(query, sql, params);
    return query.numRowsAffected();
}
