#include "platform/data_grid.h"
#include "platform/money_box.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlField>
#include <QTableView>
#include <QTest>

class TestWidgets : public QObject
{
    Q_OBJECT

private:
    static QSqlRecord sale(int number, const QString &name, double amount)
    {
        QSqlRecord record;
        record.append(QSqlField("N", QMetaType(QMetaType::Int)));
        record.append(QSqlField("NAME", QMetaType(QMetaType::QString)));
        record.append(QSqlField("AMOUNT", QMetaType(QMetaType::Double)));
        record.setValue(0, number);
        record.setValue(1, name);
        record.setValue(2, amount);
        return record;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void moneyTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "12,5" << 12.5;
        QTest::newRow("point") << "12.5" << 12.5;
        QTest::newRow("empty counts as 0") << "" << 0.0;
        QTest::newRow("negative") << "-3,25" << -3.25;
        QTest::newRow("grouped, decimal comma") << "1 234,56" << 1234.56;
        QTest::newRow("grouped, decimal point") << "1,234.56" << 1234.56;
        QTest::newRow("narrow no-break space") << QString::fromUtf8("1\u202F234,5") << 1234.5;
        QTest::newRow("minus alone") << "-" << 0.0;
    }

    void moneyTyping()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QCOMPARE(MoneyBox::parse(typed), value);
    }

    void moneyBoxShowsItsFormatAndSelectsOnEntry()
    {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *box = new MoneyBox(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setDisplayFormat(",0.00;-,0.00 ");
        box->setValue(-1234.5);
        QCOMPARE(box->text(), QStringLiteral("-1,234.50 "));
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), QStringLiteral("-1234.50"));
        QTest::keyClicks(box, "99,9");
        QCOMPARE(box->value(), 99.9);
        other->setFocus();
        QCOMPARE(box->text(), QStringLiteral("99.90"));
    }

    // Rows stay in their own order; the view sorts them; focus and summaries follow the rows.
    void gridSortsSumsAndFilters()
    {
        DataGrid grid;
        grid.setColumns({ { "colName", "Nom", "NAME" }, { "colN", "N°", "N" },
            { "colHidden", "", "AMOUNT", "0.00", true }, { "colAmount", "Montant", "AMOUNT", ",0.00" } });
        grid.setSummaries(
            { { GridSummary::Count, {}, "0", "colN" }, { GridSummary::Sum, "AMOUNT", "0.00", "colAmount" } }, true);
        grid.sortBy("colN", Qt::DescendingOrder);
        grid.setRows({ sale(2, "deux", 1000.5), sale(10, "dix", 0.25), sale(1, "un", 20) });
        grid.show();

        QCOMPARE(grid.displayedRow(0), (QStringList { "dix", "10", "0.25" }));
        QCOMPARE(grid.displayedRow(2), (QStringList { "un", "1", "20.00" }));
        QCOMPARE(grid.displayedRow(1).last(), QStringLiteral("1,000.50"));
        QCOMPARE(grid.summary(0), 3.0);
        QCOMPARE(grid.summaryText(1), QStringLiteral("1020.75"));

        QSignalSpy focused(&grid, &DataGrid::focusedRowChanged);
        grid.focusRow(1); // "dix", shown first
        QCOMPARE(grid.focusedRow(), 1);
        QCOMPARE(grid.view()->currentIndex().row(), 0);
        QCOMPARE(focused.last().first().toInt(), 1);

        auto *filter = grid.findChild<QLineEdit *>("colNameFilter");
        grid.setFilterRowVisible(true);
        filter->setText("d");
        QCOMPARE(grid.view()->model()->rowCount(), 2);
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
