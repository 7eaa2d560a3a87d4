// The checkout part of the main window: the basket, its lines and its validation.

#include "app/UFliste_vent_comptoir_codebarre.h"
#include "ui_UFliste_vent_comptoir_codebarre.h"

#include "checkout/clacul_comptoir.h"
#include "checkout/sale_lookup.h"
#include "checkout/uF_remise_comptoir_codebarre.h"
#include "checkout/validation.h"
#include "platform/message_box.h"

#include <QTime>
#include <QValidator>

namespace {

// Letters typed into the barcode box are turned into capitals.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

const QString basketSumFormat = QStringLiteral("0.00");
enum BasketSummary { SaleCount = 0, BasketSum = 1 };

} // namespace

void TFliste_vent_comptoir_codebarre::setUpBasket()
{
    ui->cxTextEdit1->setValidator(new UpperCaseValidator(ui->cxTextEdit1));
    ui->cxCurrencyEdit2->setDisplayFormat(QStringLiteral("0"));
    ui->cxCurrencyEdit2->setAlignment(Qt::AlignCenter);
    ui->cxCurrencyEdit8->setReadOnly(true);
    ui->cxCurrencyEdit8->setDisplayFormat(QStringLiteral(",0.00;,0.00"));

    DataGrid *grid = ui->cxGridDBTableView3;
    grid->setColumns({
        { QStringLiteral("cxGridDBTableView3Column3"), QStringLiteral("Code Barre"), QStringLiteral("code_barre") },
        { QStringLiteral("cxGridDBTableView3Column2"), QStringLiteral("Utilsateur"), QStringLiteral("Utilsa") },
        { QStringLiteral("cxGridDBTableView3Column1"), QStringLiteral("N°  poste"), QStringLiteral("ID_POSTE") },
        { QStringLiteral("cxGridDBTableView3NUM_VENT"), QStringLiteral("Vente n°"), QStringLiteral("N_vent") },
        { QStringLiteral("cxGridDBTableView3DAT_VENT"), QStringLiteral("Date Vente"), QStringLiteral("Date_Vente") },
        { QStringLiteral("cxGridDBTableView3MONT_BON"), QString(), QStringLiteral("Montant"), basketSumFormat, true },
        { QStringLiteral("cxGridDBTableView3MONTANT_VERSMENT"), QStringLiteral("Montant"), QStringLiteral("Montant"),
            basketSumFormat },
    });
    grid->setSummaries(
        { { GridSummary::Count, QString(), QStringLiteral("0"), QStringLiteral("cxGridDBTableView3NUM_VENT") },
            { GridSummary::Sum, QStringLiteral("Montant"), basketSumFormat,
                QStringLiteral("cxGridDBTableView3MONTANT_VERSMENT") } },
        false);
    grid->sortBy(QStringLiteral("cxGridDBTableView3NUM_VENT"), Qt::DescendingOrder);

    DataGrid *lines = ui->cxGridDBTableView5;
    lines->setColumns({
        { QStringLiteral("cxGridDBTableView5Column1"), QStringLiteral("N°"), QStringLiteral("CLE_PRODUIT") },
        { QStringLiteral("cxGridDBTableView5DESIGNATION"), QStringLiteral("Désignation"), QStringLiteral("DES"),
            QString(), false, true },
        { QStringLiteral("cxGridDBTableView5QTT"), QStringLiteral("Qte"), QStringLiteral("QTT"),
            QStringLiteral("0.00") },
        { QStringLiteral("cxGridDBTableView5PRIX"), QStringLiteral("Prix"), QStringLiteral("PRIX"),
            QStringLiteral("0.00") },
        { QStringLiteral("cxGridDBTableView5Column2"), QStringLiteral("Montant"),
            QStringLiteral("MONTANT_ARTICLE_APRE_RESTOURNE"), QStringLiteral("0.00") },
    });
    lines->setSummaries(
        { { GridSummary::Count, QString(), QStringLiteral("00"), QStringLiteral("cxGridDBTableView5DESIGNATION") },
            { GridSummary::Sum, QStringLiteral("MONTANT_ARTICLE_APRE_RESTOURNE"), QStringLiteral("0.00"),
                QStringLiteral("cxGridDBTableView5Column2") } },
        true);

    connect(ui->cxTextEdit1, &QLineEdit::returnPressed, this,
        guard(this, &TFliste_vent_comptoir_codebarre::cxTextEdit1KeyPress));
    connect(ui->cxCurrencyEdit2, &QLineEdit::returnPressed, this,
        guard(this, &TFliste_vent_comptoir_codebarre::cxCurrencyEdit2KeyPress));
    connect(grid, &DataGrid::focusedRowChanged, this,
        guard(this, &TFliste_vent_comptoir_codebarre::cxGridDBTableView3FocusedRecordChanged));
    connect(ui->reche_taille, &QToolButton::clicked, this,
        guard(this, &TFliste_vent_comptoir_codebarre::reche_tailleClick));
    connect(
        ui->cxButton14, &QToolButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton14Click));
    connect(ui->cxButton1, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton1Click));
    connect(
        ui->cxButton23, &QToolButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton23Click));

    // The clock under the basket.
    const auto showTime = [this] { ui->ElClock1->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); };
    showTime();
    connect(&m_clockTick, &QTimer::timeout, this, showTime);
    m_clockTick.start(1000);
    showBasket(-1);
}

void TFliste_vent_comptoir_codebarre::warn(const QString &text)
{
    MessageBoxes::Box box;
    box.parent = this;
    box.icon = QMessageBox::Warning;
    box.title = windowTitle();
    box.text = text;
    MessageBoxes::show(box);
}

void TFliste_vent_comptoir_codebarre::cxTextEdit1KeyPress()
{
    const QString code = ui->cxTextEdit1->text();
    if (code.isEmpty())
        return;
    const Rows sales = openSalesByBarcode(code);
    ARTICLE_SEL_COMPTOIRAfterOpen(!sales.isEmpty());
    if (sales.isEmpty()) {
        warn(QStringLiteral("Ce code barre  n'existe pas"));
        ui->cxTextEdit1->clear();
        ui->cxTextEdit1->setFocus();
        return;
    }
    for (const QSqlRecord &sale : sales) {
        const int row = Liste_Vente.find(
            sale.value(QStringLiteral("N_VENT")).toInt(), sale.value(QStringLiteral("DATE_VENTE")).toDateTime(), code);
        if (row >= 0)
            ui->cxGridDBTableView3->focusRow(row);
        else
            addSale(sale, code);
    }
    ui->cxTextEdit1->clear();
    ui->cxTextEdit1->setFocus();
}

void TFliste_vent_comptoir_codebarre::cxCurrencyEdit2KeyPress()
{
    const double number = ui->cxCurrencyEdit2->value();
    if (number == 0)
        return;
    const Rows sales = openSalesByNumber(number);
    ARTICLE_SEL_COMPTOIRAfterOpen(!sales.isEmpty());
    if (sales.isEmpty()) {
        warn(QStringLiteral("Cette code barre  n'existe pas"));
        ui->cxCurrencyEdit2->setValue(0);
        ui->cxCurrencyEdit2->setFocus();
        return;
    }
    if (sales.size() > 1)
        return; // the same number open on several days or stations: ambiguous
    const QSqlRecord &sale = sales.first();
    if (const int row = Liste_Vente.findNumber(sale.value(QStringLiteral("N_VENT")).toInt()); row >= 0) {
        ui->cxGridDBTableView3->focusRow(row);
        return;
    }
    addSale(sale, sale.value(QStringLiteral("CODE_BRRE")).toString());
    ui->cxCurrencyEdit2->setValue(0);
    ui->cxCurrencyEdit2->setFocus();
}

void TFliste_vent_comptoir_codebarre::addSale(const QSqlRecord &sale, const QString &codeBarre)
{
    showBasket(Liste_Vente.add(sale, codeBarre));
}

// Shows the basket with a row in focus (-1: none) and its total.
void TFliste_vent_comptoir_codebarre::showBasket(int focusedRow)
{
    DataGrid *grid = ui->cxGridDBTableView3;
    const QSignalBlocker quiet(grid);
    grid->setRows(Liste_Vente.records());
    grid->focusRow(focusedRow);
    ui->cxCurrencyEdit8->setValue(Liste_Vente.isEmpty() ? 0.0 : grid->summary(BasketSum));
    guarded([this] { cxGridDBTableView3FocusedRecordChanged(); });
}

void TFliste_vent_comptoir_codebarre::ARTICLE_SEL_COMPTOIRAfterOpen(bool found)
{
    ui->cxButton1->setVisible(found || !Liste_Vente.isEmpty());
}

void TFliste_vent_comptoir_codebarre::cxGridDBTableView3FocusedRecordChanged()
{
    const int row = ui->cxGridDBTableView3->focusedRow();
    if (row < 0) {
        ui->cxGridDBTableView5->setRows({});
        return;
    }
    const BasketRow &sale = Liste_Vente.rows().at(row);
    ui->cxGridDBTableView5->setRows(saleLines(sale.N_vent, sale.Date_Vente, sale.code_barre));
}

void TFliste_vent_comptoir_codebarre::reche_tailleClick()
{
    if (Liste_Vente.isEmpty())
        return;
    if (!MessageBoxes::confirm(this, QMessageBox::Warning, windowTitle(), QStringLiteral("supprimer cette vente")))
        return;
    const int row = ui->cxGridDBTableView3->focusedRow();
    if (row < 0)
        return;
    Liste_Vente.removeAt(row);
    showBasket(std::min(row, Liste_Vente.size() - 1));
}

void TFliste_vent_comptoir_codebarre::cxButton14Click()
{
    Liste_Vente.clear();
    showBasket(-1);
}

void TFliste_vent_comptoir_codebarre::cxButton1Click()
{
    // An empty basket validates nothing: no number is drawn.
    if (Liste_Vente.isEmpty())
        return;
    if (ui->cxCheckBox1->isChecked()) {
        TF_remise_comptoir_codebarre discount(*this, this);
        discount.exec();
        return;
    }
    validateBasketWith(0, ui->cxCurrencyEdit8->value());
    printReceiptAfterValidation();
}

double TFliste_vent_comptoir_codebarre::basketSum() const
{
    return ui->cxGridDBTableView3->summary(BasketSum);
}

void TFliste_vent_comptoir_codebarre::validateBasketWith(double discount, double paid)
{
    const int number = validateBasket(Liste_Vente.rows(), discount, paid, currentUserKey());
    resetBasket();
    ui->Label3->setText(QString::number(number));
}

void TFliste_vent_comptoir_codebarre::printReceiptAfterValidation()
{
    if (ui->cxCheckBox3->isChecked())
        printReceipt(false);
}

void TFliste_vent_comptoir_codebarre::cxButton23Click()
{
    TF_Calcul_comptoir change(this);
    change.cxCurrencyEdit2()->setValue(ui->cxCurrencyEdit8->value());
    change.exec();
}

void TFliste_vent_comptoir_codebarre::resetBasket()
{
    ui->cxTextEdit1->clear();
    Liste_Vente.clear();
    showBasket(-1);
    ui->cxButton1->hide();
}

QString TFliste_vent_comptoir_codebarre::lastTicketNumber() const
{
    return ui->Label3->text();
}
