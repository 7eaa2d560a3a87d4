#include "app/UFliste_vent_comptoir_codebarre.h"
#include "ui_UFliste_vent_comptoir_codebarre.h"

#include "app/SplashScreen.h"
#include "app/local_address.h"
#include "data/database.h"
#include "platform/disk_serial.h"
#include "platform/display_format.h"
#include "platform/error_report.h"
#include "platform/key_preview.h"
#include "platform/message_box.h"
#include "printing/choix_etat_impriment.h"
#include "users/password.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QStatusBar>
#include <QStyle>
#include <QThread>

namespace {
const QString windowCaption = QStringLiteral("<TALVO>  Orvane, logiciels de gestion — assistance : 023 00 00 00");
const QString quitQuestion = QStringLiteral("Voulez vous Quitte le programme Orvane <Voderez az Orezirized>");
const char *const statusPanelTexts[8]
    = { "Utilisateur", "", "Poste de Travail ", "SERVEUR", "Dossier de Travail", "", "Adrese IP", "" };
} // namespace

TFliste_vent_comptoir_codebarre::TFliste_vent_comptoir_codebarre(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TFliste_vent_comptoir_codebarre>())
{
    ui->setupUi(this);
    setWindowTitle(windowCaption);
    buildStatusBar();
    ui->cxButton300->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui->reche_taille->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    ui->cxButton14->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    ui->cxButton23->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->cxImage2->setPixmap(QPixmap(QStringLiteral(":/talvo/logo.png")));
    QFont totalFont = ui->cxCurrencyEdit8->font();
    totalFont.setPointSize(30);
    totalFont.setBold(true);
    ui->cxCurrencyEdit8->setFont(totalFont);
    setUpBasket();
    setUpReceipt();

    Timer1.setSingleShot(true);
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, guard(this, &TFliste_vent_comptoir_codebarre::Timer1Timer));
    connect(
        ui->cxButton300, &QToolButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton300Click));
    connect(ui->cxButton4, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton4Click));
    connect(ui->cxButton7, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton7Click));
    connect(ui->cxButton5, &QPushButton::clicked, this, guard(this, &TFliste_vent_comptoir_codebarre::cxButton5Click));
    new KeyPreview(this, [this](QKeyEvent *event) { FormKeyDown(event); });

    m_dataModule = std::make_unique<TDataModule1>([this](const QString &text) { statusPanel(6)->setText(text); });
}

TFliste_vent_comptoir_codebarre::~TFliste_vent_comptoir_codebarre() = default;

void TFliste_vent_comptoir_codebarre::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("dxStatusBar1"));
    for (int i = 0; i < 8; ++i) {
        auto *panel = new QLabel(QString::fromUtf8(statusPanelTexts[i]), statusBar());
        panel->setObjectName(QStringLiteral("dxStatusBar1Panel%1").arg(i + 1));
        const bool value = i % 2 == 1; // panels 2, 4, 6, 8 hold values
        panel->setMinimumWidth(value ? 160 : 0);
        statusBar()->addWidget(panel, value ? 1 : 0);
        m_statusPanels.append(panel);
    }
}

QLabel *TFliste_vent_comptoir_codebarre::statusPanel(int number) const
{
    return m_statusPanels.at(number - 1);
}

void TFliste_vent_comptoir_codebarre::FormCreate(const StartupOptions &options)
{
    // 1. The station identifier: the first physical disk's serial number.
    m_stationIdentifier
        = options.stationIdentifier.isEmpty() ? DiskSerialReader().stationIdentifier() : options.stationIdentifier;

    // 2. The splash, shown alone for a while; nothing else happens meanwhile.
    if (options.splashMilliseconds > 0) {
        TSplash splash(QImage(QStringLiteral(":/talvo/CAISSE.png")));
        splash.Show(true);
        QThread::msleep(options.splashMilliseconds);
        splash.Close();
    }

    // 3. The data module and the connection; a failure is reported and start-up goes on.
    guarded([&] { m_dataModule->DataModuleCreate(); });

    // 5. The local IP address.
    statusPanel(8)->setText(localIpAddress());

    // 6. The login opens once the message loop runs.
    Timer1.start();
}

void TFliste_vent_comptoir_codebarre::Timer1Timer()
{
    Timer1.stop();
    auto *login = new TPassw(*this, this);
    login->Label7()->setText(statusPanel(4)->text());
    login->Label9()->setText(statusPanel(6)->text());
    login->setWindowModality(Qt::ApplicationModal);
    login->show();
}

void TFliste_vent_comptoir_codebarre::FormShow()
{
    Liste_Vente.clear();
    showBasket(-1);
    ui->cxTextEdit1->setFocus();
}

void TFliste_vent_comptoir_codebarre::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
    placeSettingsPanel();
}

void TFliste_vent_comptoir_codebarre::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        ui->cxCurrencyEdit2->selectAll();
        ui->cxCurrencyEdit2->setFocus();
        break;
    case Qt::Key_F3:
        ui->cxTextEdit1->selectAll();
        ui->cxTextEdit1->setFocus();
        break;
    case Qt::Key_F5:
        cxButton1Click();
        break;
    case Qt::Key_F9:
        cxButton8Click();
        break;
    default:
        break;
    }
}

void TFliste_vent_comptoir_codebarre::cxButton300Click()
{
    ui->Panel4->setVisible(!ui->Panel4->isVisible());
    if (ui->Panel4->isVisible()) {
        placeSettingsPanel();
        ui->Panel4->raise();
    }
}

void TFliste_vent_comptoir_codebarre::placeSettingsPanel()
{
    // Floating at the top right, under the top bar.
    ui->Panel4->adjustSize();
    const int right = ui->centralwidget->width() - 8;
    ui->Panel4->move(right - ui->Panel4->width(), ui->Panel1->geometry().bottom() + 2);
}

void TFliste_vent_comptoir_codebarre::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeSettingsPanel();
}

void TFliste_vent_comptoir_codebarre::cxButton5Click()
{
    auto *window = new TETAT_IMPRIMENT(*this, this);
    window->exec();
}

void TFliste_vent_comptoir_codebarre::cxButton4Click()
{
    close();
}

void TFliste_vent_comptoir_codebarre::cxButton7Click()
{
    const auto value
        = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("True") : QStringLiteral("False"); };
    OptionStore &store = options();
    store.writeString(OptionKey::discountWindow, value(ui->cxCheckBox1), stationIdentifier(), currentUserKey());
    store.writeString(OptionKey::printAfterValidation, value(ui->cxCheckBox3), stationIdentifier(), currentUserKey());
    store.writeString(OptionKey::printPreview, value(ui->cxCheckBox2), stationIdentifier(), currentUserKey());
    ui->Panel4->hide();
}

bool TFliste_vent_comptoir_codebarre::FormCloseQuery()
{
    MessageBoxes::Box box;
    box.parent = this;
    box.icon = QMessageBox::Question;
    box.text = quitQuestion;
    box.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    return MessageBoxes::show(box) == QMessageBox::Ok;
}

void TFliste_vent_comptoir_codebarre::closeEvent(QCloseEvent *event)
{
    if (m_ending || FormCloseQuery()) {
        event->accept();
        m_ending = true;
    } else {
        event->ignore();
    }
}

void TFliste_vent_comptoir_codebarre::endProgram()
{
    m_ending = true;
    QCoreApplication::exit(0);
}

QString TFliste_vent_comptoir_codebarre::stationIdentifier() const
{
    return m_stationIdentifier;
}

QString TFliste_vent_comptoir_codebarre::currentUserKey() const
{
    return ui->Label1->text();
}

void TFliste_vent_comptoir_codebarre::setCurrentUser(const QString &userKey, const QString &userName)
{
    ui->Label1->setText(userKey);
    statusPanel(2)->setText(userName);
}

OptionStore &TFliste_vent_comptoir_codebarre::options()
{
    return m_dataModule->OPTION_CAISSE;
}

void TFliste_vent_comptoir_codebarre::setAfterValidationOptions(
    bool discountWindow, bool printAfterValidation, bool printPreview)
{
    ui->cxCheckBox1->setChecked(discountWindow);
    ui->cxCheckBox3->setChecked(printAfterValidation);
    ui->cxCheckBox2->setChecked(printPreview);
}

void TFliste_vent_comptoir_codebarre::enableAdministratorButtons()
{
    for (QWidget *button : { ui->cxButton6, ui->cxButton9, ui->cxButton10, ui->cxButton11, ui->cxButton12 })
        button->setEnabled(true);
}
