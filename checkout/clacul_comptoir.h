#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TF_Calcul_comptoir;
}
class MoneyBox;

// The change calculator: the amount handed over minus the basket total.
class TF_Calcul_comptoir : public QDialog
{
    Q_OBJECT

public:
    explicit TF_Calcul_comptoir(QWidget *parent = nullptr);
    ~TF_Calcul_comptoir() override;

    MoneyBox *cxCurrencyEdit2() const; // "Total"
    void cxCurrencyEdit1PropertiesChange();

protected:
    bool event(QEvent *event) override;

private:
    std::unique_ptr<Ui::TF_Calcul_comptoir> ui;
};
