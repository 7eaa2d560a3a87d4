#include "platform/report/report_output.h"

#include "platform/error_report.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace {

QPageSize pageSizeOf(const PreparedReport &report)
{
    return QPageSize(
        QSizeF(report.width, report.height), QPageSize::Millimeter, QStringLiteral("Ticket"), QPageSize::ExactMatch);
}

// Qt does not tell whether a queue takes jobs: one that refuses them would
// swallow the receipt without a word.
bool acceptsJobs(const QString &printer)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr);
    if (!dest)
        return true; // not a queue CUPS knows by that name: Qt's own checks apply
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || qstrcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

} // namespace

void writeReportPdf(const PreparedReport &report, const QString &path)
{
    QPdfWriter pdf(path);
    pdf.setResolution(600);
    pdf.setPageSize(pageSizeOf(report));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        throw AppError(QStringLiteral("Impossible d'écrire le fichier PDF \"%1\".").arg(path));
    paintReport(painter, pdf, report);
    painter.end();
}

void printReport(const PreparedReport &report, const QString &printerName)
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    QString name = printerName;
    if (name.isEmpty()) {
        name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            throw AppError(printers.isEmpty()
                    ? QStringLiteral("Aucune imprimante n'est installée : le ticket n'a pas été imprimé.")
                    : QStringLiteral("Aucune imprimante par défaut n'est choisie : le ticket n'a pas été "
                                     "imprimé."));
    } else if (!printers.contains(name)) {
        throw AppError(
            QStringLiteral("L'imprimante « %1 » est introuvable : le ticket n'a pas été imprimé.").arg(name));
    }
    if (!acceptsJobs(name))
        throw AppError(
            QStringLiteral("L'imprimante « %1 » n'accepte pas de travaux : le ticket n'a pas été imprimé.").arg(name));
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.state() == QPrinter::Error)
        throw AppError(
            QStringLiteral("L'imprimante « %1 » est en erreur ou arrêtée : le ticket n'a pas été imprimé.").arg(name));

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(pageSizeOf(report));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Ticket"));
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("L'imprimante « %1 » refuse le ticket.").arg(name));
    paintReport(painter, printer, report);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw AppError(QStringLiteral("L'impression sur « %1 » a échoué.").arg(name));
}
