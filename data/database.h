#pragma once

#include "platform/error_report.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <functional>

// A database failure, carrying the server's or the driver's own message.
class DbError : public AppError
{
public:
    explicit DbError(const QSqlError &error);
    explicit DbError(const QString &message);
    const QString &sqlCode() const { return m_sqlCode; }
    // Another transaction changed the row meanwhile: the work may be run again.
    bool isUpdateConflict() const { return m_sqlCode == QLatin1String("-913"); }

private:
    QString m_sqlCode;
};

// Rows copied out of a query: no query, and so no transaction, stays open.
using Rows = QList<QSqlRecord>;

// The one connection of the program to the shared Firebird database.
// Every statement runs in its own transaction, committed as soon as it has run.
// When the connection is not open, the next statement opens it again with the
// last settings.
class Database
{
public:
    static Database &instance();

    void close();
    void setDatabaseName(const QString &name);
    QString databaseName() const;
    void setPassword(const QString &password);

    // Opens the connection with the current settings; throws DbError.
    void open();
    bool isOpen() const;

    // Runs the work in one transaction: every statement it runs commits together
    // at its end, or none does if it throws (the error goes on).
    void inTransaction(const std::function<void()> &work);

    // Statements: the text keeps its ":NAME" parameters, given here by position.
    Rows select(const QString &sql, const QVariantList &params = {});
    int execute(const QString &sql, const QVariantList &params = {}); // rows changed

private:
    Database();
    QSqlDatabase openedConnection();
    void run(QSqlQuery &query, const QString &sql, const QVariantList &params);
    [[noreturn]] void fail(const QSqlError &error);

    QString m_name;
    QHash<QString, QSqlRecord> m_rowShapes; // by statement text
};
