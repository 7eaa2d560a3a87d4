#include "data/database_password.h"
#include "tests/support/test_database.h"

#include <QSqlQuery>
#include <QTest>

// Two stations on one Firebird server see each other's committed writes at once.
class TestServer : public QObject
{
    Q_OBJECT

private slots:
    void twoConnectionsSeeEachOther()
    {
        QTemporaryDir folder;
        const QString name = TestDatabase::openOnServer(folder);
        Database &station1 = Database::instance();

        QSqlDatabase station2 = QSqlDatabase::addDatabase("QIBASE", "station2");
        station2.setDatabaseName(name);
        station2.setUserName("SYSDBA");
        station2.setPassword(loadDatabasePassword());
        QVERIFY2(station2.open(), qPrintable(station2.lastError().text()));

        station1.execute("EXECUTE PROCEDURE UTILISA_IU(:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE)",
            { 1, "admin", "1", "", "False", "" });
        {
            QSqlQuery query(station2);
            QVERIFY(query.exec("select NAME from UTILISA where CLE_USER = 1"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("admin"));
            QVERIFY(query.exec("update UTILISA set NAME = 'patron' where CLE_USER = 1"));
        }
        QCOMPARE(
            TestDatabase::scalar("select NAME from UTILISA where CLE_USER = 1").toString(), QStringLiteral("patron"));
        station2.close();
        station1.close();
    }
};

QTEST_GUILESS_MAIN(TestServer)
#include "test_server.moc"
