#pragma once

#include "data/database.h"

#include <QTemporaryDir>

// A fresh database for each test case: a copy of an empty database made once
// per test program from the schema, opened as the program's one connection.
class TestDatabase
{
public:
    // An embedded database in a temporary folder.
    TestDatabase();
    ~TestDatabase();

    QString path() const { return m_path; }
    Database &db() { return Database::instance(); }

    // The demo data of talvo-db seed.
    void seedDemo();

    // A database on the local Firebird server, created from the schema; the
    // password comes from the program's password file.
    static QString createOnServer(QTemporaryDir &folder);
    // The same, then opened as the program's one connection.
    static QString openOnServer(QTemporaryDir &folder);

    // The first column of the first row of a query.
    static QVariant scalar(const QString &sql, const QVariantList &params = {});

private:
    QString m_path;
    QTemporaryDir m_folder;
};
