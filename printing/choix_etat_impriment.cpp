#include "printing/choix_etat_impriment.h"
#include "ui_choix_etat_impriment.h"

#include "data/run_state.h"
#include "platform/message_box.h"
#include "printing/printer_assignments.h"

#include <QCompleter>
#include <QPrinterInfo>

TETAT_IMPRIMENT::TETAT_IMPRIMENT(RunState &state, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TETAT_IMPRIMENT>())
    , m_state(state)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QComboBox *box : { ui->cxComboBox2, ui->cxComboBox1 }) {
        // Typing is allowed, but only of a listed entry.
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->completer()->setCompletionMode(QCompleter::InlineCompletion);
        box->completer()->setFilterMode(Qt::MatchStartsWith);
    }
    ui->cxComboBox2->addItems(printableReports());
    ui->cxComboBox2->setCurrentIndex(-1);
    ui->CRDBGrid1->setColumns(
        { { QStringLiteral("CRDBGrid1ETAT"), QStringLiteral("Etat de Sortie"), QStringLiteral("ETAT") },
            { QStringLiteral("CRDBGrid1IMPRITION"), QStringLiteral("Imprimante"), QStringLiteral("IMPRITION") } });
    ui->CRDBGrid1->setSummaries(
        { { GridSummary::Count, QString(), QStringLiteral("0"), QStringLiteral("CRDBGrid1ETAT") } }, true);

    connect(ui->SpeedButton2, &QPushButton::clicked, this, guard(this, &TETAT_IMPRIMENT::SpeedButton2Click));
    connect(ui->cxButton5, &QPushButton::clicked, this, &QDialog::close);
    connect(
        ui->DBNavigator1Delete, &QToolButton::clicked, this, guard(this, &TETAT_IMPRIMENT::DBNavigator1DeleteClick));
    const auto navigate = [this](QToolButton *button, DataGrid::Move move) {
        connect(button, &QToolButton::clicked, ui->CRDBGrid1, [this, move] { ui->CRDBGrid1->moveFocus(move); });
    };
    navigate(ui->DBNavigator1First, DataGrid::Move::First);
    navigate(ui->DBNavigator1Prior, DataGrid::Move::Prior);
    navigate(ui->DBNavigator1Next, DataGrid::Move::Next);
    navigate(ui->DBNavigator1Last, DataGrid::Move::Last);
    guarded([this] { FormCreate(); });
}

TETAT_IMPRIMENT::~TETAT_IMPRIMENT() = default;

void TETAT_IMPRIMENT::FormCreate()
{
    showRows(0);
}

void TETAT_IMPRIMENT::showRows(int focus)
{
    ui->CRDBGrid1->setRows(printerAssignments(m_state.currentUserKey()));
    ui->CRDBGrid1->focusRow(focus);
}

bool TETAT_IMPRIMENT::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void TETAT_IMPRIMENT::FormActivate()
{
    const QString chosen = ui->cxComboBox1->currentText();
    ui->cxComboBox1->clear();
    ui->cxComboBox1->addItems(QPrinterInfo::availablePrinterNames());
    ui->cxComboBox1->setCurrentIndex(ui->cxComboBox1->findText(chosen));
}

void TETAT_IMPRIMENT::SpeedButton2Click()
{
    // Only a listed entry counts.
    const QString report
        = ui->cxComboBox2->findText(ui->cxComboBox2->currentText()) >= 0 ? ui->cxComboBox2->currentText() : QString();
    const QString printer
        = ui->cxComboBox1->findText(ui->cxComboBox1->currentText()) >= 0 ? ui->cxComboBox1->currentText() : QString();
    savePrinterAssignment(
        ui->CRDBGrid1->rows(), report, printer, m_state.stationIdentifier(), m_state.currentUserKey());
    showRows(0);
    // The saved row takes the focus.
    const QList<QSqlRecord> &rows = ui->CRDBGrid1->rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row].value(QStringLiteral("ETAT")).toString() == report)
            ui->CRDBGrid1->focusRow(row);
    }
}

void TETAT_IMPRIMENT::DBNavigator1DeleteClick()
{
    const int row = ui->CRDBGrid1->focusedRow();
    if (row < 0)
        return;
    if (!MessageBoxes::confirm(
            this, QMessageBox::Question, windowTitle(), QStringLiteral("Supprimer l'enregistrement ?")))
        return;
    deletePrinterAssignment(ui->CRDBGrid1->rows().at(row));
    showRows(std::max(0, row - 1));
}
