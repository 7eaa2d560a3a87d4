#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TF_remise_comptoir_codebarre;
}
class RunState;

// The discount window: one discount for the whole basket, the net amount to pay,
// and the checkout's validation with them.
class TF_remise_comptoir_codebarre : public QDialog
{
    Q_OBJECT

public:
    TF_remise_comptoir_codebarre(RunState &state, QWidget *parent = nullptr);
    ~TF_remise_comptoir_codebarre() override;

    void cxCurrencyEdit1PropertiesChange();
    void cxButton1Click();
    void done(int result) override; // FormClose

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TF_remise_comptoir_codebarre> ui;
    RunState &m_state;
    bool m_validated = false;
};
