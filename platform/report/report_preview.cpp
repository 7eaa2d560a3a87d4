#include "platform/report/report_preview.h"

#include "platform/error_report.h"
#include "platform/report/report_output.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

ReportPreview::ReportPreview(const PreparedReport &report, QWidget *parent)
    : QDialog(parent)
    , m_report(report)
{
    setWindowTitle(QStringLiteral("Aperçu du ticket"));
    auto *page = new QLabel(this);
    page->setObjectName(QStringLiteral("page"));
    page->setPixmap(QPixmap::fromImage(renderReportImage(report, 5)));
    page->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(QStringLiteral("Imprimer"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("printButton"));
    QPushButton *pdf = buttons->addButton(QStringLiteral("Enregistrer en PDF…"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    connect(print, &QPushButton::clicked, this, guard(this, &ReportPreview::printClick));
    connect(pdf, &QPushButton::clicked, this, guard(this, &ReportPreview::savePdfClick));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(page->pixmap().width() + 60, 700);
}

void ReportPreview::printClick()
{
    printReport(m_report, m_report.printer);
}

void ReportPreview::savePdfClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Enregistrer le ticket"), QStringLiteral("ticket.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        writeReportPdf(m_report, path);
}
