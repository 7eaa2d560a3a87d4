#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TPassw;
}
class QLabel;
class QKeyEvent;
class RunState;

// The login window: picks an active user, checks the password, and fills the
// main window's state of the run. Closing it without a login ends the program.
class TPassw : public QDialog
{
    Q_OBJECT

public:
    TPassw(RunState &state, QWidget *parent = nullptr);
    ~TPassw() override;

    QLabel *Label7() const;
    QLabel *Label9() const;
    int tag() const { return m_tag; }

    // Handlers
    void FormShow();
    void cButton1Click();
    void cxButton4Click();
    void SpeedButton8Click();
    void FormKeyUp(QKeyEvent *event);
    void FormKeyDown(QKeyEvent *event);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Ui::TPassw> ui;
    RunState &m_state;
    int m_tag = 0;
    int m_failedAttempts = 0;
};
