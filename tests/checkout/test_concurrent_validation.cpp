#include "data/database_password.h"
#include "tests/support/test_database.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

// Several stations validate baskets drawn from one pool of open counter sales,
// at once, through the Firebird server.
class TestConcurrentValidation : public QObject
{
    Q_OBJECT

private slots:
    void stationsNeverShareANumberNorValidateASaleTwice()
    {
        QTemporaryDir folder;
        const QString name = TestDatabase::openOnServer(folder);
        Database &db = Database::instance();
        const QDateTime when(QDate(2026, 12, 11), QTime(10, 0));
        const int poolSize = 300;
        for (int key = 1; key <= poolSize; ++key)
            db.execute("insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, DATE_VENTE)"
                       " values (:K, :N, :C, :M, :D)",
                { key, key, QStringLiteral("21%1").arg(key, 11, 10, QLatin1Char('0')), key + 0.25, when });
        db.close();

        const int stations = 4;
        const int validationsEach = 60;
        QList<QProcess *> workers;
        for (int station = 1; station <= stations; ++station) {
            auto *worker = new QProcess(this);
            worker->start(QCoreApplication::applicationDirPath() + "/validation_worker",
                { name, QString::number(station), QString::number(validationsEach), QString::number(1000 + station) });
            workers.append(worker);
        }

        struct Validation
        {
            int number;
            QStringList keys;
            int station;
        };
        QList<Validation> validations;
        int refused = 0;
        for (int station = 1; station <= stations; ++station) {
            QProcess *worker = workers[station - 1];
            QVERIFY(worker->waitForFinished(240000));
            const QString output = QString::fromUtf8(worker->readAllStandardOutput());
            QVERIFY2(worker->exitCode() == 0, qPrintable(output + worker->readAllStandardError()));
            for (const QString &line : output.split('\n', Qt::SkipEmptyParts)) {
                const QStringList parts = line.split(' ');
                if (parts[0] == "REFUSED")
                    ++refused;
                else
                    validations.append({ parts[1].toInt(), parts[2].split(','), station });
            }
        }
        QCOMPARE(validations.size() + refused, stations * validationsEach);
        QVERIFY(validations.size() > stations); // the stations did work against each other

        QSet<int> numbers;
        QSet<QString> validatedSales;
        for (const Validation &validation : std::as_const(validations)) {
            QVERIFY2(!numbers.contains(validation.number), qPrintable(QString::number(validation.number)));
            numbers.insert(validation.number);
            double total = 0;
            for (const QString &key : validation.keys) {
                QVERIFY2(!validatedSales.contains(key), qPrintable("sale validated twice: " + key));
                validatedSales.insert(key);
                total += key.toInt() + 0.25;
            }
            for (const QString &key : validation.keys) {
                const QSqlRecord sale
                    = db.select("select * from VENT_COMTPOI_CODEBARRE where CLE_AUTO_VENT = :K", { key.toInt() })
                          .first();
                QCOMPARE(sale.value("VALIDE").toString(), QStringLiteral("True"));
                QCOMPARE(sale.value("NUM_GLOBAL").toInt(), validation.number);
                QCOMPARE(sale.value("VERSMENT").toDouble(), total);
                QCOMPARE(sale.value("REMIS").toDouble(), 0.0);
                QCOMPARE(sale.value("CLE_USER_VALIDE").toInt(), validation.station);
            }
        }
        QCOMPARE(TestDatabase::scalar("select count(*) from VENT_COMTPOI_CODEBARRE where VALIDE = 'True'").toInt(),
            int(validatedSales.size()));
        db.close();
    }
};

QTEST_GUILESS_MAIN(TestConcurrentValidation)
#include "test_concurrent_validation.moc"
