#include "app/UFliste_vent_comptoir_codebarre.h"
#include "platform/message_box.h"
#include "tests/support/running_station.h"
#include "tools/talvo-db/demo_seed.h"
#include "users/password.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RunningStation> station;

    void start() { station = std::make_unique<RunningStation>(); }
    TFliste_vent_comptoir_codebarre &window() { return station->window(); }
    template<typename T = QWidget> T *child(const char *name) { return station->child<T>(name); }
    void logIn(const QString &name, const QString &password) { QVERIFY(station->logIn(name, password)); }
    static TPassw *loginWindow() { return RunningStation::loginWindow(); }

    QStringList administratorButtons() const
    {
        return { "cxButton6", "cxButton9", "cxButton10", "cxButton11", "cxButton12" };
    }

private slots:
    void initTestCase() { MessageBoxes::recordInsteadOfShowing(); }
    void cleanup()
    {
        station.reset();
        MessageBoxes::takeRecorded();
    }

    void startsThenOpensTheLogin()
    {
        start();
        QCOMPARE(window().statusPanel(1)->text(), QStringLiteral("Utilisateur"));
        QCOMPARE(window().statusPanel(3)->text(), QStringLiteral("Poste de Travail "));
        QCOMPARE(window().statusPanel(4)->text(), QStringLiteral("SERVEUR"));
        QCOMPARE(window().statusPanel(6)->text(), QStringLiteral("Magasin test"));
        QCOMPARE(window().statusPanel(7)->text(), QStringLiteral("Adrese IP"));
        QVERIFY(window().windowTitle().startsWith("<TALVO>"));
        QVERIFY(child("cxButton1")->isHidden());
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("0"));
        for (const QString &name : administratorButtons())
            QVERIFY(!child(qPrintable(name))->isEnabled());

        QTRY_VERIFY(loginWindow());
        QCOMPARE(loginWindow()->Label7()->text(), QStringLiteral("SERVEUR"));
        QCOMPARE(loginWindow()->Label9()->text(), QStringLiteral("Magasin test"));
        logIn(DemoUsers::adminName, DemoUsers::adminPassword);
        QCOMPARE(window().currentUserKey(), QStringLiteral("1"));
        QCOMPARE(window().statusPanel(2)->text(), QStringLiteral("admin"));
        for (const QString &name : administratorButtons())
            QVERIFY2(child(qPrintable(name))->isEnabled(), qPrintable(name));
        QVERIFY(child<QCheckBox>("cxCheckBox1")->isChecked());
        QVERIFY(MessageBoxes::takeRecorded().isEmpty());
    }

    void cashierGetsNoAdministratorButtons()
    {
        start();
        logIn(DemoUsers::cashierName, DemoUsers::cashierPassword);
        for (const QString &name : administratorButtons())
            QVERIFY(!child(qPrintable(name))->isEnabled());
        for (const char *name : { "cxButton5", "cxButton7", "cxCheckBox1", "cxCheckBox2", "cxCheckBox3" })
            QVERIFY(child(name)->isEnabled());
    }

    void functionKeysMoveTheFocus()
    {
        start();
        logIn(DemoUsers::cashierName, DemoUsers::cashierPassword);
        auto *barcode = child<QLineEdit>("cxTextEdit1");
        auto *number = child<QLineEdit>("cxCurrencyEdit2");
        barcode->setText("123");
        QTest::keyClick(window().focusWidget(), Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(window().focusWidget(), number);
        QTRY_COMPARE(number->selectedText(), number->text());
        QTest::keyClick(window().focusWidget(), Qt::Key_F3);
        QCOMPARE(window().focusWidget(), barcode);
        QCOMPARE(barcode->selectedText(), QStringLiteral("123"));
    }

    // "Ok" stores the three options for this station and user; the toggle only hides.
    void settingsPanel()
    {
        start();
        logIn(DemoUsers::cashierName, DemoUsers::cashierPassword);
        auto *panel = child("Panel4");
        auto *toggle = child<QToolButton>("cxButton300");
        QVERIFY(panel->isHidden());
        toggle->click();
        QVERIFY(panel->isVisible());
        child<QCheckBox>("cxCheckBox2")->setChecked(false);
        toggle->click();
        QVERIFY(panel->isHidden());
        QCOMPARE(TestDatabase::scalar("select count(*) from OPTION_CAISSE").toInt(), 0);

        toggle->click();
        child<QPushButton>("cxButton7")->click();
        QVERIFY(panel->isHidden());
        const Rows rows
            = Database::instance().select("select OPTI, PARAM from OPTION_CAISSE where ID_POSTE = 'DISK-TEST' "
                                          "and CLE_UTILSATEUR = 2 order by OPTI");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].value("PARAM").toString(), QStringLiteral("True")); // Afficher la fenetre…
        QCOMPARE(rows[1].value("PARAM").toString(), QStringLiteral("False")); // Apercu l'impression
        QCOMPARE(rows[2].value("OPTI").toString(), QStringLiteral("Imprimer directement apres la Validation"));
        toggle->click();
        child<QPushButton>("cxButton7")->click();
        QCOMPARE(TestDatabase::scalar("select count(*) from OPTION_CAISSE").toInt(), 3);
    }

    // A failed store is reported, and the panel stays shown.
    void failedStoreKeepsThePanel()
    {
        start();
        logIn(DemoUsers::cashierName, DemoUsers::cashierPassword);
        child<QToolButton>("cxButton300")->click();
        Database::instance().close();
        Database::instance().setDatabaseName("/nonexistent/talvo.fdb");
        child<QPushButton>("cxButton7")->click();
        QCOMPARE(MessageBoxes::takeRecorded().size(), 1);
        QVERIFY(child("Panel4")->isVisible());
    }

    void quitQuestion()
    {
        start();
        logIn(DemoUsers::cashierName, DemoUsers::cashierPassword);
        MessageBoxes::queueAnswer(QMessageBox::Cancel);
        child<QPushButton>("cxButton4")->click();
        QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Voulez vous Quitte le programme Orvane <Voderez az Orezirized>"));
        QCOMPARE(boxes[0].title, QString());
        QCOMPARE(boxes[0].icon, QMessageBox::Question);
        QVERIFY(window().isVisible());

        MessageBoxes::queueAnswer(QMessageBox::Ok);
        window().close();
        QCOMPARE(MessageBoxes::takeRecorded().size(), 1);
        QVERIFY(!window().isVisible());
    }

    // A start without Ch.txt says so once, and still opens the login.
    void missingSettingsStillOpenTheLogin()
    {
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        TFliste_vent_comptoir_codebarre window;
        window.FormCreate({ 0, QStringLiteral("DISK-TEST") });
        window.show();
        const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains("Ch.txt"), qPrintable(boxes[0].text));
        QTRY_VERIFY(loginWindow());
        QCOMPARE(MessageBoxes::takeRecorded().size(), 1); // the user list cannot be read either
        delete loginWindow();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
