// Times the rendering of a receipt of 100 lines (five counter sales of twenty
// lines) to PDF, through the program's own report engine:
//   receipt-bench [RUNS]

#include "platform/report/report_output.h"
#include "printing/receipt.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlField>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

namespace {

QSqlRecord line(int sale, int number)
{
    const QList<QPair<QString, QVariant>> values = {
        { "NUM_VENT", sale },
        { "DAT_TIME_VENT", QDateTime(QDate(2026, 12, 11), QTime(10, sale)) },
        { "QTT", 1 + number % 3 },
        { "PRIX", 125.5 + number },
        { "DES", QStringLiteral("Article numéro %1 de la vente %2, conditionnement familial").arg(number).arg(sale) },
        { "MONTANT_ARTICLE_APRE_RESTOURNE", (1 + number % 3) * (125.5 + number) },
        { "CODE_BRRE", "2000000000015" },
        { "POSTE_ID", "COMPTOIR-1" },
        { "NUM_GLOBAL", 4242 },
        { "VERSMENT", 99999.5 },
        { "DATE_VENTE", QDateTime(QDate(2026, 12, 11), QTime(10, 0)) },
    };
    QSqlRecord record;
    for (const auto &[name, value] : values) {
        record.append(QSqlField(name, value.metaType()));
        record.setValue(name, value);
    }
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 30;
    QList<QSqlRecord> rows;
    for (int sale = 1; sale <= 5; ++sale) {
        for (int number = 1; number <= 20; ++number)
            rows.append(line(sale, number));
    }
    QTemporaryDir folder;
    const ReportLayout layout = builtInReceiptLayout();
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        writeReportPdf(prepareReport(layout, rows), folder.filePath("receipt.pdf"));
        times.append(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << QStringLiteral("receipt of 100 lines to PDF: median %1 ms, max %2 ms over %3 runs\n")
                               .arg(times[times.size() / 2], 0, 'f', 1)
                               .arg(times.last(), 0, 'f', 1)
                               .arg(runs);
    return 0;
}
