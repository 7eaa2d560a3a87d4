#include "platform/message_box.h"
#include "tests/support/fake_run_state.h"
#include "tests/support/test_database.h"
#include "tools/talvo-db/demo_seed.h"
#include "users/password.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestLogin : public QObject
{
    Q_OBJECT

private:
    FakeRunState state;
    QPointer<TPassw> window;

    void openLogin()
    {
        state = FakeRunState();
        window = new TPassw(state);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void tryLogin(const QString &name, const QString &password)
    {
        window->findChild<QComboBox *>("cxTextEdit1")->setEditText(name);
        window->findChild<QLineEdit *>("cxTextEdit2")->setText(password);
        window->findChild<QPushButton *>("cButton1")->click();
    }

    QStringList listedUsers() const
    {
        const auto *names = window->findChild<QComboBox *>("cxTextEdit1");
        QStringList list;
        for (int i = 0; i < names->count(); ++i)
            list.append(names->itemText(i));
        return list;
    }

private slots:
    void initTestCase() { MessageBoxes::recordInsteadOfShowing(); }
    void cleanup()
    {
        delete window;
        MessageBoxes::takeRecorded();
    }

    void administratorLogsIn()
    {
        TestDatabase test;
        test.seedDemo();
        openLogin();
        QCOMPARE(listedUsers(), (QStringList { "admin", "caissier" }));
        QVERIFY(window->findChild<QWidget *>("Panel2")->isHidden());

        // The name is compared without its blanks, and shown as it was typed.
        tryLogin("  admin ", DemoUsers::adminPassword);
        QVERIFY(MessageBoxes::takeRecorded().isEmpty());
        QCOMPARE(state.userKey, QStringLiteral("1"));
        QCOMPARE(state.userName, QStringLiteral("  admin "));
        QVERIFY(state.administratorButtons);
        // Nothing stored for this station and user: every option is on.
        QVERIFY(state.discountWindow && state.printAfterValidation && state.printPreview);
        QCOMPARE(state.endProgramCalls, 0);
        QTRY_VERIFY(window.isNull()); // closed and released
    }

    // Only key 1 is the administrator, whatever the name.
    void onlyKeyOneIsAdministrator()
    {
        TestDatabase test;
        test.seedDemo();
        test.db().execute("update UTILISA set NAME = 'patron' where CLE_USER = 1");
        test.db().execute("update UTILISA set NAME = 'admin' where CLE_USER = 2");
        openLogin();
        tryLogin("admin", DemoUsers::cashierPassword);
        QCOMPARE(state.userKey, QStringLiteral("2"));
        QVERIFY(!state.administratorButtons);
    }

    void storedOptionsAreRead()
    {
        TestDatabase test;
        test.seedDemo();
        const QString insert
            = "insert into OPTION_CAISSE (OPTI, PARAM, ID_POSTE, CLE_UTILSATEUR) values (:O, :P, :S, 2)";
        test.db().execute(insert, { "Afficher la fenetre de la Remise", "False", "DISK-TEST" });
        test.db().execute(insert, { "Apercu l'impression", "true", "DISK-TEST" }); // only "True" ticks
        test.db().execute(insert, { "Imprimer directement apres la Validation", "False", "OTHER-DISK" });
        openLogin();
        tryLogin(DemoUsers::cashierName, DemoUsers::cashierPassword);
        QCOMPARE(state.userKey, QStringLiteral("2"));
        QVERIFY(!state.discountWindow);
        QVERIFY(state.printAfterValidation);
        QVERIFY(!state.printPreview);
    }

    void wrongAttempts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << DemoUsers::cashierName << "9999";
        QTest::newRow("password with a blank added")
            << DemoUsers::cashierName << QString(DemoUsers::cashierPassword) + " ";
        QTest::newRow("name in another case") << "CAISSIER" << DemoUsers::cashierPassword;
        QTest::newRow("blocked user") << DemoUsers::blockedName << "ancien";
        QTest::newRow("unknown user") << "personne"
                                      << "0000";
    }

    // Two failures leave the window open; the third ends the program.
    void wrongAttempts()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        TestDatabase test;
        test.seedDemo();
        openLogin();
        for (int attempt = 1; attempt <= 2; ++attempt) {
            tryLogin(name, password);
            const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QStringLiteral("utilisateur eronnée"));
            QCOMPARE(boxes[0].icon, QMessageBox::Critical);
            QVERIFY(boxes[0].stayOnTop);
            QVERIFY(!boxes[0].parent);
            QVERIFY(window->isVisible());
            QCOMPARE(state.userKey, QString());
        }
        tryLogin(name, password);
        const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Vous n'avez le droit qu'au 3 essais..."));
        QCOMPARE(boxes[0].title, QStringLiteral("test_login")); // the program file's name
        QCOMPARE(state.endProgramCalls, 1);
        QCOMPARE(state.userKey, QString());
    }

    void twoFailuresThenSuccess()
    {
        TestDatabase test;
        test.seedDemo();
        openLogin();
        tryLogin(DemoUsers::cashierName, "1");
        tryLogin(DemoUsers::cashierName, "2");
        tryLogin(DemoUsers::cashierName, DemoUsers::cashierPassword);
        QCOMPARE(state.userKey, QStringLiteral("2"));
        QCOMPARE(state.endProgramCalls, 0);
    }

    void closingWithoutLoginEndsTheProgram_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("ends");
        QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+Shift+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier | Qt::ShiftModifier) << 1;
        QTest::newRow("F4 alone") << int(Qt::Key_F4) << int(Qt::NoModifier) << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0;
        QTest::newRow("Quitter") << 0 << 0 << 1;
    }

    void closingWithoutLoginEndsTheProgram()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, ends);
        TestDatabase test;
        test.seedDemo();
        openLogin();
        if (key)
            QTest::keyClick(window->focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            window->findChild<QPushButton *>("SpeedButton8")->click();
        QCOMPARE(state.endProgramCalls, ends);
        QCOMPARE(window.isNull() || !window->isVisible(), ends == 1);
    }

    // Typed as a cashier does: the start of the name, Enter, the password, Enter.
    // What is typed replaces the preset name and password.
    void typedLogin()
    {
        TestDatabase test;
        test.seedDemo();
        openLogin();
        auto *names = window->findChild<QComboBox *>("cxTextEdit1");
        auto *password = window->findChild<QLineEdit *>("cxTextEdit2");
        QCOMPARE(window->focusWidget(), names);
        QTest::keyClicks(window->focusWidget(), "cai");
        QCOMPARE(names->currentText(), QStringLiteral("caissier"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(window->focusWidget(), password);
        QTest::keyClicks(password, DemoUsers::cashierPassword);
        QTest::keyClick(password, Qt::Key_Return);
        QCOMPARE(state.userKey, QStringLiteral("2"));
        QCOMPARE(state.userName, QStringLiteral("caissier"));
    }

    void showAndMaskPassword()
    {
        TestDatabase test;
        openLogin();
        auto *password = window->findChild<QLineEdit *>("cxTextEdit2");
        auto *toggle = window->findChild<QAbstractButton *>("cxButton4");
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        toggle->click();
        QCOMPARE(password->echoMode(), QLineEdit::Normal);
        toggle->click();
        QCOMPARE(password->echoMode(), QLineEdit::Password);
    }

    // Without a database, each attempt reports the error and counts for nothing.
    void unreachableDatabaseCountsNoAttempt()
    {
        Database::instance().close();
        Database::instance().setDatabaseName("/nonexistent/talvo.fdb");
        openLogin();
        QCOMPARE(MessageBoxes::takeRecorded().size(), 1); // the user list could not be read
        for (int attempt = 0; attempt < 4; ++attempt)
            tryLogin("admin", "1234");
        const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        QCOMPARE(boxes.size(), 4);
        QVERIFY2(boxes[0].text.contains("/nonexistent/talvo.fdb"), qPrintable(boxes[0].text));
        QCOMPARE(state.endProgramCalls, 0);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
