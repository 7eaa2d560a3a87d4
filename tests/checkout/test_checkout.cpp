#include "platform/data_grid.h"
#include "platform/message_box.h"
#include "platform/money_box.h"
#include "tests/support/running_station.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QDateTime morning(QDate(2026, 12, 11), QTime(9, 30));
const QString cashierKey = QStringLiteral("7");
} // namespace

// The checkout: scanning and typing counter sales into the basket, and validating it.
class TestCheckout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RunningStation> station;

    // A cashier (key 7) logged in at a station whose database holds no sale yet.
    void start()
    {
        station = std::make_unique<RunningStation>(false);
        Database::instance().execute("EXECUTE PROCEDURE UTILISA_IU(:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE)",
            { 7, "nadia", "77", "", "False", "" });
        QVERIFY(station->logIn("nadia", "77"));
        station->child<QCheckBox>("cxCheckBox1")->setChecked(false); // the discount window has its own tests
        station->child<QCheckBox>("cxCheckBox3")->setChecked(false); // and so has printing
    }

    // A counter sale with `lines` lines adding up to its amount.
    static void addSale(int key, int number, const QString &code, double amount, const QDateTime &when = morning,
        const QVariant &valide = QVariant(), int lines = 2)
    {
        Database::instance().execute(
            "insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, VALIDE, POSTE_ID,"
            " DATE_VENTE, CLE_UTILSA) values (:K, :N, :C, :M, :V, 'COMPTOIR-2', :D, 'vendeur')",
            { key, number, code, amount, valide, when });
        for (int line = 1; line <= lines; ++line)
            Database::instance().execute(
                "insert into ARTICLE_VENT_COMPTOIR (CLE_COMPTOIR_AUTO, NUM_VENT, DAT_TIME_VENT, QTT, PRIX, CLE_PRODUIT,"
                " DES, CODE_BRRE_VENTE, CLE_VENT_AUTO, MONTANT_ARTICLE_APRE_RESTOURNE)"
                " values (:K, :N, :D, 1, :P, :A, :DES, :C, :S, :M)",
                { key * 100 + line, number, when, amount / lines, 1000 + line, QStringLiteral("Article %1").arg(line),
                    code, key, amount / lines });
    }

    void scan(const QString &typed)
    {
        auto *box = station->child<QLineEdit>("cxTextEdit1");
        box->setFocus();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void typeNumber(int number)
    {
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F2);
        auto *box = station->child<QLineEdit>("cxCurrencyEdit2");
        QTest::keyClicks(box, QString::number(number));
        QTest::keyClick(box, Qt::Key_Return);
    }

    DataGrid *basket() { return station->child<DataGrid>("cxGridDBTableView3"); }
    DataGrid *lines() { return station->child<DataGrid>("cxGridDBTableView5"); }
    QString total() { return station->child<QLineEdit>("cxCurrencyEdit8")->text(); }
    bool validateShown() { return station->child<QPushButton>("cxButton1")->isVisible(); }
    QString lastTicket() { return station->child<QLabel>("Label3")->text(); }
    QStringList shownNumbers()
    {
        QStringList numbers;
        for (int row = 0; row < basket()->rowCount(); ++row)
            numbers.append(basket()->displayedRow(row).at(3));
        return numbers;
    }
    static QList<MessageBoxes::Box> boxes() { return MessageBoxes::takeRecorded(); }

private slots:
    void initTestCase()
    {
        MessageBoxes::recordInsteadOfShowing();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // as the program runs
    }
    void cleanup()
    {
        station.reset();
        MessageBoxes::takeRecorded();
    }

    void scanning()
    {
        start();
        addSale(1, 11, "2000000000015", 100.00);
        addSale(2, 12, "200000000002A", 30.00, morning, "False", 3);
        addSale(3, 13, "200000000002A", 20.00, morning.addSecs(60)); // one barcode, two open sales
        addSale(4, 14, "2000000000039", 50.00, morning, "True");

        scan("2000000000015");
        scan("2000000000015"); // once only
        QCOMPARE(basket()->rowCount(), 1);
        QCOMPARE(station->child<QLineEdit>("cxTextEdit1")->text(), QString());
        QVERIFY(validateShown());

        scan("200000000002a"); // typed in lower case, looked up in capitals: both sales
        QCOMPARE(basket()->rowCount(), 3);
        QCOMPARE(shownNumbers(), (QStringList { "13", "12", "11" })); // sorted by sale number, descending
        QCOMPARE(total(), QString::fromUtf8("150,00"));
        QCOMPARE(lines()->rowCount(), basket()->rows()[basket()->focusedRow()].value("N_vent").toInt() == 12 ? 3 : 2);
        QVERIFY(boxes().isEmpty());

        // A validated sale is not found.
        scan("2000000000039");
        QList<MessageBoxes::Box> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Ce code barre  n'existe pas"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(shown[0].title, station->window().windowTitle());
        QCOMPARE(basket()->rowCount(), 3);
        QVERIFY(validateShown());

        // At most thirteen characters.
        auto *box = station->child<QLineEdit>("cxTextEdit1");
        QTest::keyClicks(box, "12345678901234");
        QCOMPARE(box->text(), QStringLiteral("1234567890123"));
    }

    void unknownBarcodeIntoAnEmptyBasketKeepsValidationHidden()
    {
        start();
        scan("9999999999999");
        QCOMPARE(boxes().size(), 1);
        QVERIFY(!validateShown());
    }

    // A scanner types thirteen keys and Enter within milliseconds: keys that
    // arrive while a lookup runs wait for it, none is lost.
    void scannerKeysAreNotLost()
    {
        start();
        addSale(1, 11, "2000000000015", 10.00);
        addSale(2, 12, "2000000000022", 20.00);
        auto *box = station->child<QLineEdit>("cxTextEdit1");
        box->setFocus();
        for (const QString &code : { QStringLiteral("2000000000015"), QStringLiteral("2000000000022") }) {
            for (QChar c : code)
                QCoreApplication::postEvent(
                    box, new QKeyEvent(QEvent::KeyPress, Qt::Key_0 + c.digitValue(), Qt::NoModifier, QString(c)));
            QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
        }
        QTRY_COMPARE(basket()->rowCount(), 2);
        QCOMPARE(total(), QStringLiteral("30,00"));
    }

    void typingSaleNumbers()
    {
        start();
        addSale(1, 21, "2000000000015", 10.00);
        addSale(2, 22, "2000000000022", 20.00);
        addSale(3, 22, "2000000000039", 30.00, morning.addDays(-1)); // 22 is open twice
        addSale(4, 23, "2000000000046", 40.00, morning, "True");
        auto *box = station->child<MoneyBox>("cxCurrencyEdit2");

        typeNumber(21);
        QCOMPARE(basket()->rowCount(), 1);
        QCOMPARE(basket()->displayedRow(0).at(0), QStringLiteral("2000000000015")); // the sale's barcode
        QCOMPARE(box->value(), 0.0);
        QCOMPARE(lines()->rowCount(), 2);

        typeNumber(21); // already in the basket: nothing, the number stays
        QCOMPARE(basket()->rowCount(), 1);
        QCOMPARE(box->value(), 21.0);
        box->setValue(0);

        typeNumber(22); // ambiguous: nothing, no message, the number stays
        QCOMPARE(basket()->rowCount(), 1);
        QCOMPARE(box->value(), 22.0);
        QVERIFY(boxes().isEmpty());
        box->setValue(0);

        typeNumber(23); // validated: not found
        QList<MessageBoxes::Box> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Cette code barre  n'existe pas"));
        QCOMPARE(box->value(), 0.0);

        scan("2000000000015"); // added by number, then scanned: still once
        QCOMPARE(basket()->rowCount(), 1);
    }

    void totalFollowsRemovalAndEmptying()
    {
        start();
        addSale(1, 1, "2000000000015", 100.00);
        addSale(2, 2, "2000000000022", 250.50);
        addSale(3, 3, "2000000000039", 49.50);
        for (const char *code : { "2000000000015", "2000000000022", "2000000000039" })
            scan(code);
        QCOMPARE(total(), QStringLiteral("400,00"));

        auto *remove = station->child<QToolButton>("reche_taille");
        basket()->focusRow(1);
        MessageBoxes::queueAnswer(QMessageBox::Cancel);
        remove->click();
        QList<MessageBoxes::Box> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("supprimer cette vente"));
        QCOMPARE(shown[0].defaultButton, QMessageBox::Cancel);
        QCOMPARE(basket()->rowCount(), 3);

        basket()->focusRow(1);
        MessageBoxes::queueAnswer(QMessageBox::Ok);
        remove->click();
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(total(), QStringLiteral("149,50"));
        QCOMPARE(lines()->rowCount(), 2); // the lines of the row now in focus

        station->child<QToolButton>("cxButton14")->click();
        QCOMPARE(basket()->rowCount(), 0);
        QCOMPARE(total(), QStringLiteral("0,00"));
        QCOMPARE(lines()->rowCount(), 0);
        QVERIFY(validateShown()); // emptying leaves the button as it was
        remove->click(); // an empty basket asks nothing
        QVERIFY(boxes().isEmpty());
    }

    void validation()
    {
        start();
        addSale(1, 1, "2000000000015", 100.00);
        addSale(2, 2, "2000000000022", 50.00);
        addSale(3, 2, "2000000000022", 5.00); // same number and date-time: marked with it
        addSale(9, 9, "2000000000091", 1.00, morning.addDays(-3), "True");
        Database::instance().execute("update VENT_COMTPOI_CODEBARRE set NUM_GLOBAL = 41 where CLE_AUTO_VENT = 9");
        scan("2000000000015");
        typeNumber(1); // already there
        station->child<MoneyBox>("cxCurrencyEdit2")->setValue(0);
        Database::instance().execute("update VENT_COMTPOI_CODEBARRE set N_VENT = 3 where CLE_AUTO_VENT = 3");
        typeNumber(2);
        Database::instance().execute("update VENT_COMTPOI_CODEBARRE set N_VENT = 2 where CLE_AUTO_VENT = 3");
        QCOMPARE(total(), QString::fromUtf8("150,00"));

        station->child<QPushButton>("cxButton1")->click();
        QVERIFY(boxes().isEmpty());
        const Rows rows = Database::instance().select("select * from VENT_COMTPOI_CODEBARRE where CLE_AUTO_VENT < 9 "
                                                      "order by CLE_AUTO_VENT");
        const double amounts[] = { 100.00, 50.00, 5.00 };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rows[i].value("VALIDE").toString(), QStringLiteral("True"));
            QCOMPARE(rows[i].value("NUM_GLOBAL").toInt(), 42);
            QCOMPARE(rows[i].value("REMIS").toDouble(), 0.0);
            QCOMPARE(rows[i].value("VERSMENT").toDouble(), 150.00);
            QCOMPARE(rows[i].value("MONTANT").toDouble(), amounts[i]);
            QCOMPARE(rows[i].value("CLE_USER_VALIDE").toString(), cashierKey);
        }
        QCOMPARE(lastTicket(), QStringLiteral("42"));
        QCOMPARE(basket()->rowCount(), 0);
        QCOMPARE(total(), QStringLiteral("0,00"));
        QVERIFY(!validateShown());

        // F5 validates too, the button hidden; the next number follows.
        addSale(4, 4, "2000000000046", 10.00);
        scan("2000000000046");
        station->child<QPushButton>("cxButton1")->hide();
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        QCOMPARE(lastTicket(), QStringLiteral("43"));

        // An empty basket: no number drawn, nothing written.
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        QCOMPARE(lastTicket(), QStringLiteral("43"));
        QCOMPARE(TestDatabase::scalar("select max(NUM_GLOBAL) from VENT_COMTPOI_CODEBARRE").toInt(), 43);
    }

    void firstTicketIsOne()
    {
        start();
        addSale(1, 1, "2000000000015", 10.00);
        scan("2000000000015");
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        QCOMPARE(lastTicket(), QStringLiteral("1"));
    }

    // A sale validated meanwhile at another station refuses the whole basket.
    void saleNoLongerOpenRefusesTheBasket()
    {
        start();
        addSale(1, 31, "2000000000015", 10.00);
        addSale(2, 32, "2000000000022", 20.00);
        scan("2000000000015");
        scan("2000000000022");
        Database::instance().execute("update VENT_COMTPOI_CODEBARRE set VALIDE = 'True', NUM_GLOBAL = 5 "
                                     "where CLE_AUTO_VENT = 2");
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        const QList<MessageBoxes::Box> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains("n° 32"), qPrintable(shown[0].text));
        QVERIFY(!shown[0].text.contains("31"));
        QVERIFY(TestDatabase::scalar("select VALIDE from VENT_COMTPOI_CODEBARRE where CLE_AUTO_VENT = 1").isNull());
        QCOMPARE(basket()->rowCount(), 2);
        QCOMPARE(total(), QStringLiteral("30,00"));
        QCOMPARE(lastTicket(), QStringLiteral("0"));
    }

    // A failure half-way writes nothing and leaves the basket as it was.
    void failedValidationWritesNothing()
    {
        start();
        addSale(1, 1, "2000000000015", 10.00);
        addSale(2, 2, "2000000000022", 20.00);
        scan("2000000000015");
        scan("2000000000022");
        // The second update fails: a trigger refuses it.
        Database::instance().execute("create exception REFUSE 'refusé par le test'");
        Database::instance().execute("create trigger REFUSE_2 for VENT_COMTPOI_CODEBARRE before update as begin "
                                     "if (new.CLE_AUTO_VENT = 2) then exception REFUSE; end");
        QTest::keyClick(station->window().focusWidget(), Qt::Key_F5);
        const QList<MessageBoxes::Box> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(QStringLiteral("refusé par le test")), qPrintable(shown[0].text));
        QCOMPARE(TestDatabase::scalar("select count(*) from VENT_COMTPOI_CODEBARRE where VALIDE = 'True'").toInt(), 0);
        QCOMPARE(TestDatabase::scalar("select VALIDATIONS from TALVO_NUMEROTATION").toInt(), 0);
        QCOMPARE(basket()->rowCount(), 2);
        QCOMPARE(lastTicket(), QStringLiteral("0"));
        QVERIFY(validateShown());
    }
};

QTEST_MAIN(TestCheckout)
#include "test_checkout.moc"
