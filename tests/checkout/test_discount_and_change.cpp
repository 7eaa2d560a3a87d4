#include "checkout/clacul_comptoir.h"
#include "checkout/uF_remise_comptoir_codebarre.h"
#include "platform/message_box.h"
#include "platform/money_box.h"
#include "tests/support/modal.h"
#include "tests/support/running_station.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The discount window opened by validation, and the change calculator.
class TestDiscountAndChange : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RunningStation> station;

    // Sales of 100.00 and 50.00 in the basket of a logged-in cashier.
    void start(bool printAfterValidation)
    {
        station = std::make_unique<RunningStation>(false);
        Database &db = Database::instance();
        db.execute("EXECUTE PROCEDURE UTILISA_IU(:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE)",
            { 5, "samir", "55", "", "False", "" });
        const QDateTime when(QDate(2026, 12, 11), QTime(11, 0));
        db.execute("insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, DATE_VENTE) values "
                   "(1, 1, '2000000000015', 100, :D)",
            { when });
        db.execute("insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, DATE_VENTE) values "
                   "(2, 2, '2000000000022', 50, :D)",
            { when });
        QVERIFY(station->logIn("samir", "55"));
        station->child<QCheckBox>("cxCheckBox1")->setChecked(true);
        station->child<QCheckBox>("cxCheckBox3")->setChecked(printAfterValidation);
        auto *barcode = station->child<QLineEdit>("cxTextEdit1");
        for (const char *code : { "2000000000015", "2000000000022" }) {
            QTest::keyClicks(barcode, code);
            QTest::keyClick(barcode, Qt::Key_Return);
        }
    }

private slots:
    void initTestCase()
    {
        MessageBoxes::recordInsteadOfShowing();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup()
    {
        station.reset();
        MessageBoxes::takeRecorded();
    }

    void discount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("net");
        QTest::addColumn<double>("remis");
        QTest::addColumn<double>("versment");
        QTest::newRow("15.00 off") << "15"
                                   << "135.00" << 15.0 << 135.0;
        QTest::newRow("typed with a comma") << "15,50"
                                            << "134.50" << 15.5 << 134.5;
        QTest::newRow("none") << "0"
                              << "150.00" << 0.0 << 150.0;
        QTest::newRow("above the total") << "200"
                                         << "-50.00" << 200.0 << -50.0;
    }

    // Typed, then Enter: "Net à Payer" follows, and the basket is validated with them.
    void discount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, net);
        QFETCH(double, remis);
        QFETCH(double, versment);
        start(false);
        QString shownNet;
        QString shownTotal;
        WhenModalShown discounting([&](QWidget *modal) {
            auto *window = qobject_cast<TF_remise_comptoir_codebarre *>(modal);
            if (!window) {
                modal->close();
                return;
            }
            auto *box = window->findChild<MoneyBox *>("cxCurrencyEdit1");
            shownTotal = window->findChild<MoneyBox *>("cxCurrencyEdit2")->text();
            QTest::keyClicks(box, typed); // the box was selected: typing replaces its 0
            shownNet = window->findChild<MoneyBox *>("cxCurrencyEdit3")->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        QCOMPARE(shownTotal, QStringLiteral("150.00"));
        QCOMPARE(shownNet, net);
        const Rows sales = Database::instance().select("select * from VENT_COMTPOI_CODEBARRE order by CLE_AUTO_VENT");
        for (const QSqlRecord &sale : sales) {
            QCOMPARE(sale.value("VALIDE").toString(), QStringLiteral("True"));
            QCOMPARE(sale.value("REMIS").toDouble(), remis);
            QCOMPARE(sale.value("VERSMENT").toDouble(), versment);
            QCOMPARE(sale.value("NUM_GLOBAL").toInt(), 1);
            QCOMPARE(sale.value("CLE_USER_VALIDE").toInt(), 5);
        }
        QCOMPARE(sales[0].value("MONTANT").toDouble(), 100.0);
        QCOMPARE(station->child<QLabel>("Label3")->text(), QStringLiteral("1"));
        QCOMPARE(station->basketRows(), 0);
        QVERIFY(MessageBoxes::takeRecorded().isEmpty()); // nothing printed: the option is off
    }

    // Closed without validating: nothing written, nothing printed, the basket kept.
    void closedWithoutValidating()
    {
        start(true);
        WhenModalShown closing([](QWidget *modal) { modal->close(); });
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        QCOMPARE(TestDatabase::scalar("select count(*) from VENT_COMTPOI_CODEBARRE where VALIDE = 'True'").toInt(), 0);
        QVERIFY(MessageBoxes::takeRecorded().isEmpty());
        QCOMPARE(station->basketRows(), 2);
        QCOMPARE(station->child<QLabel>("Label3")->text(), QStringLiteral("0"));
    }

    // With direct printing on, the new ticket prints once (no printer here: said once).
    void printedOnceAfterValidation()
    {
        start(true);
        WhenModalShown discounting([](QWidget *modal) { modal->findChild<QPushButton *>("cxButton1")->click(); });
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains("imprimante"), qPrintable(boxes[0].text));
        QCOMPARE(station->child<QLabel>("Label3")->text(), QStringLiteral("1"));
    }

    void change_data()
    {
        QTest::addColumn<bool>("emptyBasket");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("difference");
        QTest::newRow("change to give") << false << "200"
                                        << "50.00";
        QTest::newRow("not enough") << false << "100"
                                    << "-50.00";
        QTest::newRow("empty basket") << true << "35,5"
                                      << "35.50";
    }

    void change()
    {
        QFETCH(bool, emptyBasket);
        QFETCH(QString, typed);
        QFETCH(QString, difference);
        start(false);
        if (emptyBasket)
            station->child<QToolButton>("cxButton14")->click();
        QString total;
        QString shown;
        QSize size;
        WhenModalShown changing([&](QWidget *modal) {
            size = modal->size();
            total = modal->findChild<MoneyBox *>("cxCurrencyEdit2")->text();
            auto *handed = modal->findChild<MoneyBox *>("cxCurrencyEdit1");
            QTest::keyClicks(handed, typed);
            shown = modal->findChild<MoneyBox *>("cxCurrencyEdit3")->text();
            QTest::keyClick(handed, Qt::Key_Return); // closes
        });
        station->child<QToolButton>("cxButton23")->click();
        QCOMPARE(size, QSize(358, 240));
        QCOMPARE(total, emptyBasket ? QStringLiteral("0.00") : QStringLiteral("150.00"));
        QCOMPARE(shown, difference);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestDiscountAndChange)
#include "test_discount_and_change.moc"
