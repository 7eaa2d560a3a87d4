#include "tests/support/test_database.h"

#include "data/database_creation.h"
#include "data/database_password.h"
#include "tools/talvo-db/demo_seed.h"

#include <QFile>
#include <QTest>

namespace {

// The empty database that every test case copies.
QString templateDatabase()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("template.fdb"));
        createDatabaseFromSchema(file, QString());
        return file;
    }();
    return path;
}

} // namespace

TestDatabase::TestDatabase()
{
    m_path = m_folder.filePath(QStringLiteral("talvo.fdb"));
    Database &db = Database::instance();
    db.close();
    if (!QFile::copy(templateDatabase(), m_path))
        throw AppError(QStringLiteral("cannot copy the template database to %1").arg(m_path));
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    db.setDatabaseName(m_path);
    db.setPassword(QString());
    db.open();
}

TestDatabase::~TestDatabase()
{
    Database::instance().close();
}

void TestDatabase::seedDemo()
{
    seedDemoData();
}

QString TestDatabase::createOnServer(QTemporaryDir &folder)
{
    // The server runs as its own user: it must be able to write the folder.
    QFile::setPermissions(folder.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
            | QFile::ExeOther);
    const QString name = QStringLiteral("localhost:") + folder.filePath(QStringLiteral("server.fdb"));
    createDatabaseFromSchema(name, loadDatabasePassword());
    return name;
}

QString TestDatabase::openOnServer(QTemporaryDir &folder)
{
    const QString name = createOnServer(folder);
    Database &db = Database::instance();
    db.close();
    db.setDatabaseName(name);
    db.setPassword(loadDatabasePassword());
    db.open();
    return name;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &params)
{
    const Rows rows = Database::instance().select(sql, params);
    return rows.isEmpty() ? QVariant() : rows.first().value(0);
}
