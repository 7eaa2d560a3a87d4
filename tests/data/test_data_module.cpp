#include "data/Base_stock.h"
#include "tests/support/test_database.h"

#include <QDir>
#include <QTest>

// The data module reads "Ch.txt" from the current folder and opens the connection.
class TestDataModule : public QObject
{
    Q_OBJECT

private:
    QString m_shownFolder;
    bool m_shown = false;

    // Runs the data module in a folder holding `settings` as Ch.txt (no file when null).
    QString start(const QTemporaryDir &folder, const QByteArray &settings)
    {
        QDir::setCurrent(folder.path());
        if (!settings.isNull()) {
            QFile file(folder.filePath("Ch.txt"));
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        m_shown = false;
        m_shownFolder.clear();
        TDataModule1 module([this](const QString &text) {
            m_shown = true;
            m_shownFolder = text;
        });
        try {
            module.DataModuleCreate();
        } catch (const AppError &error) {
            return error.message();
        }
        return QString();
    }

private slots:
    void fourLinesConnect()
    {
        TestDatabase test;
        QTemporaryDir folder;
        const QByteArray settings = "ignored\r\nMagasin centre\r\n\r\n" + test.path().toUtf8() + "\r\nmore\r\n";
        QCOMPARE(start(folder, settings), QString());
        QCOMPARE(m_shownFolder, QStringLiteral("Magasin centre"));
        QVERIFY(Database::instance().isOpen());
        QCOMPARE(TestDatabase::scalar("select count(*) from UTILISA").toInt(), 0);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("folderShown");
        QTest::addColumn<QString>("databaseName");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << false << ""
                                      << "Ch.txt";
        QTest::newRow("one line") << QByteArray("TALVO\n") << false << ""
                                  << "la ligne 2";
        QTest::newRow("three lines") << QByteArray("TALVO\nCaisse 2\n\n") << true << ""
                                     << "la ligne 4";
        QTest::newRow("unreachable database")
            << QByteArray("TALVO\nCaisse 2\n\n/nonexistent/talvo.fdb\n") << true << "/nonexistent/talvo.fdb"
            << "/nonexistent/talvo.fdb";
        // Line 4 is given as it stands, trailing blanks included.
        QTest::newRow("trailing blanks kept")
            << QByteArray("TALVO\nCaisse 2\n\n/nonexistent/talvo.fdb  \n") << true << "/nonexistent/talvo.fdb  "
            << "talvo.fdb";
    }

    void failures()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, folderShown);
        QFETCH(QString, databaseName);
        QFETCH(QString, message);
        TestDatabase test; // a connection open before, closed by the start
        QTemporaryDir folder;
        const QString error = start(folder, settings);
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(m_shown, folderShown);
        if (folderShown)
            QCOMPARE(m_shownFolder, QStringLiteral("Caisse 2"));
        QCOMPARE(Database::instance().databaseName(), databaseName);
        QVERIFY(!Database::instance().isOpen());
    }

    // Ch.txt beside the program does not count: only the current folder's.
    void otherCurrentFolderFails()
    {
        QTemporaryDir folder;
        QTemporaryDir elsewhere;
        QFile file(folder.filePath("Ch.txt"));
        file.open(QIODevice::WriteOnly);
        file.write("TALVO\nx\n\ny\n");
        file.close();
        QVERIFY(start(elsewhere, QByteArray()).contains(elsewhere.filePath("Ch.txt")));
    }
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "test_data_module.moc"
