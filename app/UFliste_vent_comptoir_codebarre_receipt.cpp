// The receipt part of the main window: printing, preview and the designer.

#include "app/UFliste_vent_comptoir_codebarre.h"
#include "ui_UFliste_vent_comptoir_codebarre.h"

#include "checkout/validation.h"
#include "platform/report/report_designer.h"
#include "platform/report/report_output.h"
#include "platform/report/report_preview.h"

#include <QMenu>
#include <QStatusBar>

void TFliste_vent_comptoir_codebarre::setUpReceipt()
{
    m_receiptLayout = { builtInReceiptLayout(), QString() };
    connect(ui->cxButton8, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton8Click));
    connect(
        ui->cxButton13, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton13Click));
    connect(
        ui->cxButton12, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton12Click));
    auto *menu = new QMenu(ui->cxButton8);
    QAction *preview = menu->addAction(QStringLiteral("Apercu l'impression"));
    preview->setObjectName(QStringLiteral("Aperculimpression1"));
    connect(preview, &QAction::triggered, this, guard(this, &TFliste_vent_comptoir_codebarre::Aperculimpression1Click));
    ui->cxButton8->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->cxButton8, &QWidget::customContextMenuRequested, menu,
        [this, menu](const QPoint &at) { menu->popup(ui->cxButton8->mapToGlobal(at)); });
}

// The receipt of the last ticket number, read anew, with the layout file read anew.
void TFliste_vent_comptoir_codebarre::printReceipt(bool preview)
{
    const QList<QSqlRecord> rows = receiptRows(lastTicketNumber().toInt());
    m_receiptLayout = loadReceiptLayout();
    if (m_receiptLayout.file.isEmpty() && !m_builtInLayoutSaid) {
        statusBar()->showMessage(QStringLiteral("Pas de modèle « Etat/Ticket_FR.fr3 » : le ticket intégré au "
                                                "programme est utilisé."),
            15000);
        m_builtInLayoutSaid = true;
    }
    const PreparedReport report = prepareReport(m_receiptLayout.layout, rows);
    if (preview) {
        ReportPreview window(report, this);
        window.exec();
    } else {
        printReport(report, report.printer);
    }
}

void TFliste_vent_comptoir_codebarre::cxButton8Click()
{
    if (ui->cxCheckBox2->isChecked())
        printReceipt(true);
    else if (!ui->cxCheckBox3->isChecked())
        printReceipt(false); // printed directly after validation otherwise
}

void TFliste_vent_comptoir_codebarre::cxButton13Click()
{
    printReceipt(true);
}

void TFliste_vent_comptoir_codebarre::Aperculimpression1Click()
{
    printReceipt(true);
}

void TFliste_vent_comptoir_codebarre::cxButton12Click()
{
    const QString file = m_receiptLayout.file.isEmpty() ? defaultReceiptLayoutPath() : m_receiptLayout.file;
    // Sample lines: the last ticket of this run, else the last one of the shop.
    int ticket = lastTicketNumber().toInt();
    if (ticket == 0)
        ticket = largestTicketNumber();
    ReportDesigner designer(m_receiptLayout.layout, file, receiptRows(ticket), this);
    designer.exec();
}
