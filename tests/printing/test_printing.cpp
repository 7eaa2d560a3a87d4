#include "platform/message_box.h"
#include "platform/report/report_output.h"
#include "printing/choix_etat_impriment.h"
#include "printing/printer_assignments.h"
#include "printing/receipt.h"
#include "tests/support/fake_run_state.h"
#include "tests/support/test_database.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QToolButton>

#include "platform/data_grid.h"

// Printing through a private CUPS whose one queue, "ticket", sends each job
// raw to a socket of this test; and the window that binds reports to printers.
class TestPrinting : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir cups;
    QProcess scheduler;
    QTcpServer printerPort;

    void lpadmin(const QStringList &arguments)
    {
        QProcess admin;
        admin.start("lpadmin", arguments);
        QVERIFY(admin.waitForFinished());
        QVERIFY2(admin.exitCode() == 0, admin.readAllStandardError().constData());
    }

    static PreparedReport sampleReceipt() { return prepareReport(builtInReceiptLayout(), {}); }

private slots:
    void initTestCase()
    {
        MessageBoxes::recordInsteadOfShowing();
        QVERIFY(printerPort.listen(QHostAddress::LocalHost));
        const QString dir = cups.path();
        QFile::setPermissions(dir, QFileDevice::Permissions(0x7777));
        for (const char *sub : { "spool", "cache", "state", "tmp", "log" }) {
            QDir(dir).mkdir(sub);
            QFile::setPermissions(dir + "/" + sub, QFileDevice::Permissions(0x7777));
        }
        QFile conf(dir + "/cupsd.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("Listen %1/cups.sock\nLogLevel warn\n<Location />\n  Order allow,deny\n  Allow all\n"
                                  "</Location>\n")
                       .arg(dir)
                       .toUtf8());
        conf.close();
        QFile files(dir + "/cups-files.conf");
        QVERIFY(files.open(QIODevice::WriteOnly));
        files.write(QStringLiteral("FileDevice Yes\nServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir "
                                   "%1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                   "PageLog %1/log/page_log\nUser lp\nGroup lp\nSystemGroup root\n")
                        .arg(dir)
                        .toUtf8());
        files.close();
        qputenv("CUPS_SERVER", (dir + "/cups.sock").toUtf8());
        scheduler.start("/usr/sbin/cupsd", { "-f", "-c", dir + "/cupsd.conf", "-s", dir + "/cups-files.conf" });
        QVERIFY(scheduler.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir + "/cups.sock"), 10000);
        lpadmin({ "-p", "ticket", "-E", "-v", QStringLiteral("socket://127.0.0.1:%1").arg(printerPort.serverPort()),
            "-m", "raw" });
    }

    void cleanupTestCase()
    {
        scheduler.terminate();
        scheduler.waitForFinished();
    }

    void cleanup() { MessageBoxes::takeRecorded(); }

    void printsWithoutDialogToTheQueue()
    {
        printReport(sampleReceipt(), "ticket");
        QTRY_VERIFY_WITH_TIMEOUT(printerPort.hasPendingConnections(), 20000);
        QTcpSocket *job = printerPort.nextPendingConnection();
        QByteArray data;
        do
            data += job->readAll();
        while (job->state() == QAbstractSocket::ConnectedState && job->waitForReadyRead(3000));
        data += job->readAll();
        QVERIFY2(data.startsWith("%PDF"), data.left(40).constData());
    }

    // A queue that refuses jobs: said, not lost in silence.
    void refusingQueueIsSaid()
    {
        QProcess reject;
        reject.start("cupsreject", { "ticket" });
        QVERIFY(reject.waitForFinished());
        const auto accept = qScopeGuard([] { QProcess::execute("cupsaccept", { "ticket" }); });
        try {
            printReport(sampleReceipt(), "ticket");
            QFAIL("printed");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("ticket")), qPrintable(error.message()));
        }
    }

    void unknownPrinterIsSaid()
    {
        try {
            printReport(sampleReceipt(), "caisse-absente");
            QFAIL("printed");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("introuvable")), qPrintable(error.message()));
        }
    }

    void assignments()
    {
        TestDatabase test;
        const QString fr = printableReports().at(0);
        const QString ar = printableReports().at(1);
        QVERIFY(ar.endsWith(' '));
        savePrinterAssignment(printerAssignments("2"), fr, "ticket", "DISK-A", "2");
        savePrinterAssignment(printerAssignments("2"), fr, "bureau", "DISK-B", "2"); // updated, not added
        savePrinterAssignment(printerAssignments("2"), ar, "ticket", "DISK-A", "2");
        savePrinterAssignment(printerAssignments("2"), ar, "bureau", "DISK-A", "2"); // found with its blank
        savePrinterAssignment(printerAssignments("3"), fr, "ticket", "DISK-C", "3");
        QCOMPARE(printerAssignments("2").size(), 2);
        QCOMPARE(printerAssignments("1").size(), 3); // the administrator sees every row
        QCOMPARE(
            TestDatabase::scalar("select IMPRITION from ETAT_IMPRIMTION where ETAT = :E and CLS_UTILSATEUR = 2", { ar })
                .toString(),
            QStringLiteral("bureau"));
        QCOMPARE(
            TestDatabase::scalar("select ID_POSTE from ETAT_IMPRIMTION where ETAT = :E and CLS_UTILSATEUR = 2", { fr })
                .toString(),
            QStringLiteral("DISK-B"));

        // The administrator takes over the first shown row of that report.
        const Rows shown = printerAssignments("1");
        savePrinterAssignment(shown, fr, "ticket", "DISK-ADMIN", "1");
        QCOMPARE(printerAssignments("1").size(), 3);
        QCOMPARE(printerAssignments("2").size() + printerAssignments("3").size(), 2);

        QVERIFY_THROWS_EXCEPTION(AppError, savePrinterAssignment({}, fr, QString(), "DISK-A", "2"));
        QVERIFY_THROWS_EXCEPTION(AppError, savePrinterAssignment({}, QString(), "ticket", "DISK-A", "2"));
    }

    void assignmentWindow()
    {
        TestDatabase test;
        FakeRunState state;
        state.userKey = "2";
        auto *window = new TETAT_IMPRIMENT(state);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *printers = window->findChild<QComboBox *>("cxComboBox1");
        QVERIFY(printers->findText("ticket") >= 0);
        window->findChild<QComboBox *>("cxComboBox2")->setCurrentIndex(1);
        printers->setCurrentIndex(printers->findText("ticket"));
        window->findChild<QPushButton *>("SpeedButton2")->click();
        auto *grid = window->findChild<DataGrid *>("CRDBGrid1");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->rows().first().value("ETAT").toString(), printableReports().at(1));
        QCOMPARE(grid->rows().first().value("ID_POSTE").toString(), QStringLiteral("DISK-TEST"));

        printers->setEditText("pas une imprimante");
        window->findChild<QPushButton *>("SpeedButton2")->click();
        QCOMPARE(MessageBoxes::takeRecorded().size(), 1); // refused: not a listed printer

        MessageBoxes::queueAnswer(QMessageBox::Cancel);
        window->findChild<QToolButton *>("DBNavigator1Delete")->click();
        QCOMPARE(grid->rowCount(), 1);
        MessageBoxes::queueAnswer(QMessageBox::Ok);
        window->findChild<QToolButton *>("DBNavigator1Delete")->click();
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(TestDatabase::scalar("select count(*) from ETAT_IMPRIMTION").toInt(), 0);
        window->close();
    }

    // With the scheduler stopped there is no printer: a message, no hang.
    void noPrinterIsSaid()
    {
        scheduler.terminate();
        QVERIFY(scheduler.waitForFinished());
        try {
            printReport(sampleReceipt(), QString());
            QFAIL("printed");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("imprimante")), qPrintable(error.message()));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
