#include "platform/report/report_output.h"
#include "printing/receipt.h"
#include "tests/support/test_database.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The text of a PDF, or the code of its barcodes, read back by poppler and zbar.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("%1 did not finish").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Arabic comes back from the PDF in its joined forms, wrapped in direction marks:
// back to plain letters.
QString plainText(QString text)
{
    text = text.normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]")));
    return text;
}

} // namespace

class TestReceipt : public QObject
{
    Q_OBJECT

private:
    // Ticket 8: counter sales 5 (two lines) and 6 (three lines), and sale 7
    // validated under the ticket then un-validated.
    static void addTicket()
    {
        Database &db = Database::instance();
        const QDateTime when(QDate(2026, 12, 11), QTime(10, 15));
        const QString insertSale = "insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, "
                                   "REMIS, VERSMENT, VALIDE, POSTE_ID, NUM_GLOBAL, DATE_VENTE, CLE_USER_VALIDE) values "
                                   "(:K, :N, :C, :M, 0, 1530.75, :V, 'COMPTOIR-1', 8, :D, 1)";
        db.execute(insertSale, { 1, 5, "2000000000015", 330.75, "True", when });
        db.execute(insertSale, { 2, 6, "2000000000022", 1200.00, "True", when.addSecs(300) });
        db.execute(insertSale, { 3, 7, "2000000000039", 99.00, "False", when.addSecs(600) });
        const QString insertLine
            = "insert into ARTICLE_VENT_COMPTOIR (CLE_COMPTOIR_AUTO, NUM_VENT, DAT_TIME_VENT, QTT, "
              "PRIX, CLE_PRODUIT, DES, CODE_BRRE_VENTE, CLE_VENT_AUTO, "
              "MONTANT_ARTICLE_APRE_RESTOURNE) values (:K, :N, :D, :Q, :P, :A, :DES, :C, :S, :M)";
        db.execute(insertLine, { 1, 5, when, 2, 150.00, 101, "Lait demi-écrémé 1L", "2000000000015", 1, 300.00 });
        db.execute(insertLine, { 2, 5, when, 1, 30.75, 102, "Pain", "2000000000015", 1, 30.75 });
        db.execute(insertLine,
            { 3, 6, when.addSecs(300), 1, 650.00, 103, "Huile de tournesol 5L", "2000000000022", 2, 650.00 });
        db.execute(insertLine, { 4, 6, when.addSecs(300), 2, 140.00, 104, "تمر دقلة نور", "2000000000022", 2, 280.00 });
        db.execute(insertLine,
            { 5, 6, when.addSecs(300), 1, 270.00, 105,
                "Lessive en poudre 4kg, format familial avec doseur, parfum fraîcheur du matin", "2000000000022", 2,
                270.00 });
        db.execute(insertLine, { 6, 7, when.addSecs(600), 1, 99.00, 106, "Sucre", "2000000000039", 3, 99.00 });
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void ticketOfTwoSales()
    {
        TestDatabase test;
        addTicket();
        const Rows rows = receiptRows(8);
        QCOMPARE(rows.size(), 5); // the un-validated sale drops out
        QCOMPARE(rows.first().value("NUM_VENT").toInt(), 5);

        QTemporaryDir folder;
        const QString pdf = folder.filePath("ticket.pdf");
        writeReportPdf(prepareReport(builtInReceiptLayout(), rows), pdf);
        const QString text = plainText(run("pdftotext", { "-layout", pdf, "-" }));
        QCOMPARE(text.count(QStringLiteral("وصل رقم")), 1);
        QVERIFY2(text.contains(QStringLiteral("8")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("المجموع")), 2);
        QVERIFY2(text.contains(QStringLiteral("عدد المواد 2")) || text.contains(QStringLiteral("2 عدد المواد")),
            qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("330,75")), qPrintable(text)); // the first sale's total
        QVERIFY2(text.contains(QStringLiteral("1 200,00")), qPrintable(text)); // the second's
        QVERIFY2(text.contains(QStringLiteral("1 530,75")), qPrintable(text)); // paid for the ticket
        QVERIFY2(text.contains(QStringLiteral("Lessive")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Sucre")));

        run("pdftoppm", { "-r", "300", "-png", pdf, folder.filePath("page") });
        const QString codes = run("zbarimg", { "-q", folder.filePath("page-1.png") });
        QCOMPARE(codes.trimmed(), QStringLiteral("EAN-13:2000000000022")); // the last sale's barcode
    }

    void layoutFileRoundTrip()
    {
        const ReportLayout layout = builtInReceiptLayout();
        const ReportLayout again = ReportLayout::fromXml(layout.toXml());
        QCOMPARE(again.toXml(), layout.toXml());
        QVERIFY_THROWS_EXCEPTION(AppError, ReportLayout::fromXml("<report><band type=\"Nowhere\"/></report>"));
        QVERIFY_THROWS_EXCEPTION(AppError, ReportLayout::fromXml("<report><band type=\"DetailData\">"));
    }

    void invalidBarcodeIsShownNotDropped()
    {
        TestDatabase test;
        addTicket();
        Database::instance().execute(
            "update VENT_COMTPOI_CODEBARRE set CODE_BRRE = '2000000000023' where CLE_AUTO_VENT = 2");
        QTemporaryDir folder;
        const QString pdf = folder.filePath("ticket.pdf");
        writeReportPdf(prepareReport(builtInReceiptLayout(), receiptRows(8)), pdf);
        const QString text = run("pdftotext", { pdf, "-" });
        QVERIFY2(text.contains(QStringLiteral("code-barre invalide")) && text.contains(QStringLiteral("2000000000023")),
            qPrintable(text));
    }
};

QTEST_MAIN(TestReceipt)
#include "test_receipt.moc"
