#pragma once

#include "checkout/basket.h"
#include "data/Base_stock.h"
#include "data/run_state.h"
#include "printing/receipt.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

namespace Ui {
class TFliste_vent_comptoir_codebarre;
}
class QLabel;
class QKeyEvent;

// The checkout station's main window: the checkout itself, its status bar, the
// settings panel and the buttons that open the other windows.
class TFliste_vent_comptoir_codebarre : public QMainWindow, public RunState
{
    Q_OBJECT

public:
    struct StartupOptions
    {
        int splashMilliseconds = 2000;
        QString stationIdentifier; // read from the disks when empty
    };

    explicit TFliste_vent_comptoir_codebarre(QWidget *parent = nullptr);
    ~TFliste_vent_comptoir_codebarre() override;

    // The start-up sequence: station identifier, splash, data module, local IP
    // address, then the timer that opens the login.
    void FormCreate(const StartupOptions &options);

    // RunState
    QString stationIdentifier() const override;
    QString currentUserKey() const override;
    void setCurrentUser(const QString &userKey, const QString &userName) override;
    OptionStore &options() override;
    void setAfterValidationOptions(bool discountWindow, bool printAfterValidation, bool printPreview) override;
    void enableAdministratorButtons() override;
    double basketSum() const override;
    void validateBasketWith(double discount, double paid) override;
    void printReceiptAfterValidation() override;
    void endProgram() override;

    QLabel *statusPanel(int number) const; // 1 to 8, left to right
    const Basket &basket() const { return Liste_Vente; }
    QString lastTicketNumber() const;

    // Handlers
    void Timer1Timer();
    void FormKeyDown(QKeyEvent *event);
    void cxButton300Click();
    void cxButton4Click();
    void cxButton5Click();
    void cxButton7Click();
    // The basket and its validation
    void cxTextEdit1KeyPress();
    void cxCurrencyEdit2KeyPress();
    void cxGridDBTableView3FocusedRecordChanged();
    void reche_tailleClick();
    void cxButton14Click();
    void cxButton1Click();
    void cxButton23Click();
    // The receipt
    void cxButton8Click();
    void cxButton13Click();
    void Aperculimpression1Click();
    void cxButton12Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildStatusBar();
    void placeSettingsPanel();
    bool FormCloseQuery();
    void FormShow();
    void setUpBasket();
    void addSale(const QSqlRecord &sale, const QString &codeBarre);
    void showBasket(int focusedRow);
    void ARTICLE_SEL_COMPTOIRAfterOpen(bool found);
    void resetBasket();
    void warn(const QString &text);
    void setUpReceipt();
    void printReceipt(bool preview);

    std::unique_ptr<Ui::TFliste_vent_comptoir_codebarre> ui;
    std::unique_ptr<TDataModule1> m_dataModule;
    QList<QLabel *> m_statusPanels;
    QTimer Timer1;
    QTimer m_clockTick;
    Basket Liste_Vente;
    ReceiptLayout m_receiptLayout; // what the designer opens: built in until the first print
    bool m_builtInLayoutSaid = false;
    QString m_stationIdentifier; // the serial number HDDInfo1 reports
    bool m_ending = false;
};
