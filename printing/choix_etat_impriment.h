#pragma once

#include "data/database.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TETAT_IMPRIMENT;
}
class RunState;

// Binds each printed report to one of the workstation's printers, for this
// station and user.
class TETAT_IMPRIMENT : public QDialog
{
    Q_OBJECT

public:
    TETAT_IMPRIMENT(RunState &state, QWidget *parent = nullptr);
    ~TETAT_IMPRIMENT() override;

    void FormCreate();
    void FormActivate();
    void SpeedButton2Click();
    void DBNavigator1DeleteClick();

protected:
    bool event(QEvent *event) override;

private:
    void showRows(int focus);
    std::unique_ptr<Ui::TETAT_IMPRIMENT> ui;
    RunState &m_state;
};
