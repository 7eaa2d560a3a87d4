// Times the checkout's hot paths through the program's own code, on a database
// filled by "talvo-db seed --sales N":
//   checkout-bench DATABASE LABEL
// prints one line: LABEL and the median and 99th percentile, in milliseconds, of
// the scan path, the sale-number path and the validation of a five-sale basket.

#include "checkout/basket.h"
#include "checkout/sale_lookup.h"
#include "checkout/validation.h"
#include "data/database.h"
#include "data/database_password.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>

namespace {

struct Figures
{
    double median;
    double p99;
};

Figures figures(QList<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at
        = [&](double share) { return times[std::min<qsizetype>(times.size() - 1, qsizetype(share * times.size()))]; };
    return { at(0.5), at(0.99) };
}

template<typename Work> Figures timeRuns(int runs, Work work)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work(run);
        times.append(clock.nsecsElapsed() / 1e6);
    }
    return figures(times);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: checkout-bench DATABASE LABEL\n";
        return 2;
    }
    QTextStream out(stdout);
    try {
        Database &db = Database::instance();
        db.setDatabaseName(args[1]);
        db.setPassword(loadDatabasePassword());
        db.open();
        const Rows open = db.select("select CODE_BRRE, N_VENT from VENT_COMTPOI_CODEBARRE where VALIDE is null");
        if (open.size() < 600)
            throw AppError("the database holds too few open counter sales");
        // Without our indexes a lookup reads the whole table: fewer runs then.
        const int runs = db.select("select count(*) from RDB$INDICES where RDB$INDEX_NAME starting with 'IX_'")
                             .first()
                             .value(0)
                             .toInt()
            ? 300
            : 5;
        QRandomGenerator random(7);
        const auto pick = [&] { return open.at(random.bounded(int(open.size()))); };

        // The warm-up reads the pages a station would have read by then.
        for (int i = 0; i < 20; ++i)
            openSalesByBarcode(pick().value(0).toString());

        // What follows a lookup at the checkout: the sale enters the basket, its lines are read.
        const auto addAndShowLines = [](const Rows &sales) {
            Basket basket;
            const int row = basket.add(sales.first(), sales.first().value("CODE_BRRE").toString());
            const BasketRow &added = basket.rows().at(row);
            saleLines(added.N_vent, added.Date_Vente, added.code_barre);
        };
        const Figures scan
            = timeRuns(runs, [&](int) { addAndShowLines(openSalesByBarcode(pick().value(0).toString())); });
        const Figures number
            = timeRuns(runs, [&](int) { addAndShowLines(openSalesByNumber(pick().value(1).toDouble())); });
        // Each validation takes five sales of the pool, in order: none is taken twice.
        const Rows pool = db.select("select * from VENT_COMTPOI_CODEBARRE where VALIDE is null order by CLE_AUTO_VENT");
        const int validations = std::min<int>(runs, int(pool.size() / 5));
        const Figures validation = timeRuns(validations, [&](int run) {
            Basket basket;
            for (int i = 0; i < 5; ++i)
                basket.add(pool.at(run * 5 + i), pool.at(run * 5 + i).value("CODE_BRRE").toString());
            validateBasket(basket.rows(), 0, basket.total(), QStringLiteral("1"));
        });
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 |\n")
                   .arg(args[2])
                   .arg(scan.median, 0, 'f', 2)
                   .arg(scan.p99, 0, 'f', 2)
                   .arg(number.median, 0, 'f', 2)
                   .arg(number.p99, 0, 'f', 2)
                   .arg(validation.median, 0, 'f', 2)
                   .arg(validation.p99, 0, 'f', 2);
    } catch (const AppError &error) {
        QTextStream(stderr) << error.message() << "\n";
        return 1;
    }
    return 0;
}
