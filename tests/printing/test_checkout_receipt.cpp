#include "platform/message_box.h"
#include "platform/report/report_designer.h"
#include "platform/report/report_preview.h"
#include "tests/support/modal.h"
#include "tests/support/running_station.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

// The receipt as the checkout prints and previews it. No printer is installed
// here: a print shows up as the message that says so.
class TestCheckoutReceipt : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RunningStation> station;

    void start()
    {
        station = std::make_unique<RunningStation>();
        QVERIFY(station->logIn("admin", "1234"));
        station->child<QLabel>("Label3")->setText("1"); // a demo ticket
    }

    // What F9 (or a button) led to: "preview", "print" or "nothing".
    QString outcome(const std::function<void()> &trigger)
    {
        QString seen = "nothing";
        WhenModalShown watch([&](QWidget *modal) {
            if (qobject_cast<ReportPreview *>(modal))
                seen = "preview";
            modal->close();
        });
        trigger();
        const QList<MessageBoxes::Box> boxes = MessageBoxes::takeRecorded();
        if (!boxes.isEmpty() && boxes.first().text.contains("imprimante"))
            seen = "print";
        return seen;
    }

private slots:
    void initTestCase() { MessageBoxes::recordInsteadOfShowing(); }
    void cleanup()
    {
        station.reset();
        MessageBoxes::takeRecorded();
    }

    void f9FollowsTheOptions_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("expected");
        QTest::newRow("preview on") << true << true << "preview";
        QTest::newRow("preview on, direct off") << true << false << "preview";
        QTest::newRow("both off: a copy") << false << false << "print";
        QTest::newRow("direct on: nothing") << false << true << "nothing";
    }

    void f9FollowsTheOptions()
    {
        QFETCH(bool, preview);
        QFETCH(bool, direct);
        QFETCH(QString, expected);
        start();
        station->child<QCheckBox>("cxCheckBox2")->setChecked(preview);
        station->child<QCheckBox>("cxCheckBox3")->setChecked(direct);
        QCOMPARE(outcome([&] { QTest::keyClick(station->window().focusWidget(), Qt::Key_F9); }), expected);
        // "Apercu" previews whatever the options say.
        QCOMPARE(outcome([&] { station->child<QPushButton>("cxButton13")->click(); }), QStringLiteral("preview"));
    }

    void printedAfterValidationWhenAsked()
    {
        start();
        station->child<QCheckBox>("cxCheckBox1")->setChecked(false);
        station->child<QCheckBox>("cxCheckBox3")->setChecked(true);
        auto *barcode = station->child<QLineEdit>("cxTextEdit1");
        QTest::keyClicks(barcode, "2000000000107");
        QTest::keyClick(barcode, Qt::Key_Return);
        QCOMPARE(
            outcome([&] { QTest::keyClick(station->window().focusWidget(), Qt::Key_F5); }), QStringLiteral("print"));
        QCOMPARE(station->child<QLabel>("Label3")->text(), QStringLiteral("6")); // validated all the same
    }

    // The designer saves the layout file; the next receipt follows it.
    void designerChangesTheNextReceipt()
    {
        start();
        QVERIFY(!QFile::exists("Etat/Ticket_FR.fr3"));
        QString saved;
        WhenModalShown designing([&](QWidget *modal) {
            auto *designer = qobject_cast<ReportDesigner *>(modal);
            if (!designer) {
                modal->close();
                return;
            }
            QString text = designer->editor()->toPlainText();
            text.replace("Voderez Market", "Chez Nadia");
            designer->editor()->setPlainText(text);
            designer->findChild<QPushButton *>("saveButton")->click();
            saved = "yes";
        });
        station->child<QPushButton>("cxButton12")->click();
        QCOMPARE(saved, QStringLiteral("yes"));
        QVERIFY(QFile::exists("Etat/Ticket_FR.fr3"));

        QStringList texts;
        WhenModalShown previewing([&](QWidget *modal) {
            if (auto *preview = qobject_cast<ReportPreview *>(modal)) {
                for (const PreparedReport::Item &item : preview->report().items)
                    texts.append(item.text);
            }
            modal->close();
        });
        station->child<QPushButton>("cxButton13")->click();
        QVERIFY2(texts.contains("Chez Nadia"), qPrintable(texts.join('|')));
        QVERIFY(station->window().statusBar()->currentMessage().isEmpty()); // the file was there
    }

    void missingLayoutIsSaidOnce()
    {
        start();
        for (int i = 0; i < 2; ++i) {
            WhenModalShown closing([](QWidget *modal) { modal->close(); });
            station->child<QPushButton>("cxButton13")->click();
            if (i == 0) {
                QVERIFY(station->window().statusBar()->currentMessage().contains("Ticket_FR.fr3"));
                station->window().statusBar()->clearMessage();
            }
        }
        QVERIFY(station->window().statusBar()->currentMessage().isEmpty());
    }
};

QTEST_MAIN(TestCheckoutReceipt)
#include "test_checkout_receipt.moc"
