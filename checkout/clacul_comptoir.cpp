#include "checkout/clacul_comptoir.h"
#include "ui_clacul_comptoir.h"

TF_Calcul_comptoir::TF_Calcul_comptoir(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TF_Calcul_comptoir>())
{
    ui->setupUi(this);
    setFixedSize(358, 240);
    ui->cxCurrencyEdit2->setDisplayFormat(QStringLiteral(",0.00"));
    ui->cxCurrencyEdit3->setDisplayFormat(QStringLiteral(",0.00"));
    connect(ui->cxCurrencyEdit1, &MoneyBox::valueChanged, this, &TF_Calcul_comptoir::cxCurrencyEdit1PropertiesChange);
    connect(ui->cxCurrencyEdit1, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(ui->cxButton1, &QPushButton::clicked, this, &QDialog::accept);
}

TF_Calcul_comptoir::~TF_Calcul_comptoir() = default;

MoneyBox *TF_Calcul_comptoir::cxCurrencyEdit2() const
{
    return ui->cxCurrencyEdit2;
}

bool TF_Calcul_comptoir::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        ui->cxCurrencyEdit1->setFocus(); // FormActivate
    return QDialog::event(event);
}

void TF_Calcul_comptoir::cxCurrencyEdit1PropertiesChange()
{
    ui->cxCurrencyEdit3->setValue(ui->cxCurrencyEdit1->value() - ui->cxCurrencyEdit2->value());
}
