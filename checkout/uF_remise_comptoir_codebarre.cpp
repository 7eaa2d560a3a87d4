#include "checkout/uF_remise_comptoir_codebarre.h"
#include "ui_uF_remise_comptoir_codebarre.h"

#include "data/run_state.h"
#include "platform/error_report.h"

#include <QShowEvent>

TF_remise_comptoir_codebarre::TF_remise_comptoir_codebarre(RunState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TF_remise_comptoir_codebarre>())
    , m_state(state)
{
    ui->setupUi(this);
    ui->cxCurrencyEdit2->setDisplayFormat(QStringLiteral(",0.00"));
    ui->cxCurrencyEdit3->setDisplayFormat(QStringLiteral(",0.00"));
    const double sum = state.basketSum();
    ui->cxCurrencyEdit2->setValue(sum);
    ui->cxCurrencyEdit3->setValue(sum);
    connect(ui->cxCurrencyEdit1, &MoneyBox::valueChanged, this,
        guard(this, &TF_remise_comptoir_codebarre::cxCurrencyEdit1PropertiesChange));
    connect(ui->cxCurrencyEdit1, &QLineEdit::returnPressed, ui->cxButton1, &QPushButton::click);
    connect(ui->cxButton1, &QPushButton::clicked, this, guard(this, &TF_remise_comptoir_codebarre::cxButton1Click));
}

TF_remise_comptoir_codebarre::~TF_remise_comptoir_codebarre() = default;

void TF_remise_comptoir_codebarre::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->cxCurrencyEdit1->setFocus(); // the box selects its whole content
}

void TF_remise_comptoir_codebarre::cxCurrencyEdit1PropertiesChange()
{
    ui->cxCurrencyEdit3->setValue(ui->cxCurrencyEdit2->value() - ui->cxCurrencyEdit1->value());
}

void TF_remise_comptoir_codebarre::cxButton1Click()
{
    m_state.validateBasketWith(ui->cxCurrencyEdit1->value(), ui->cxCurrencyEdit3->value());
    m_validated = true;
    close();
}

void TF_remise_comptoir_codebarre::done(int result)
{
    QDialog::done(result);
    // Closed without validating: nothing was written, so nothing is printed.
    if (m_validated)
        guarded([this] { m_state.printReceiptAfterValidation(); });
}
