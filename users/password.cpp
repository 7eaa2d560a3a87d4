#include "users/password.h"
#include "ui_password.h"

#include "data/option_store.h"
#include "data/run_state.h"
#include "platform/app_title.h"
#include "platform/error_report.h"
#include "platform/key_preview.h"
#include "platform/message_box.h"
#include "users/login_check.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QShowEvent>
#include <QStyle>

namespace {
const QString presetPassword = QStringLiteral("*");
const int allowedAttempts = 3;
} // namespace

TPassw::TPassw(RunState &state, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , ui(std::make_unique<Ui::TPassw>())
    , m_state(state)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Connexion")); // not shown (no title bar), but names the window to the system
    ui->cxImage1->setPixmap(QPixmap(QStringLiteral(":/talvo/logo.png")));
    ui->cxButton4->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->cxTextEdit1->setEditText(QStringLiteral("admin"));
    ui->cxTextEdit2->setText(presetPassword);
    // Typing completes with the first name of the list that starts with what is typed.
    ui->cxTextEdit1->completer()->setCompletionMode(QCompleter::InlineCompletion);
    ui->cxTextEdit1->completer()->setCaseSensitivity(Qt::CaseInsensitive);

    connect(ui->cButton1, &QPushButton::clicked, this, guard(this, &TPassw::cButton1Click));
    connect(ui->cxButton4, &QToolButton::clicked, this, guard(this, &TPassw::cxButton4Click));
    connect(ui->SpeedButton8, &QPushButton::clicked, this, guard(this, &TPassw::SpeedButton8Click));
    new KeyPreview(
        this, [this](QKeyEvent *event) { FormKeyDown(event); }, [this](QKeyEvent *event) { FormKeyUp(event); });
    adjustSize();
}

TPassw::~TPassw() = default;

QLabel *TPassw::Label7() const
{
    return ui->Label7;
}

QLabel *TPassw::Label9() const
{
    return ui->Label9;
}

void TPassw::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        guarded([this] { FormShow(); });
        if (parentWidget())
            move(parentWidget()->window()->geometry().center() - rect().center());
        activateWindow();
        ui->cxTextEdit1->setFocus();
        ui->cxTextEdit1->lineEdit()->selectAll(); // typing replaces the preset name
    }
}

void TPassw::keyPressEvent(QKeyEvent *event)
{
    // The window has no close box: Escape does not close it.
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

void TPassw::FormShow()
{
    ui->Panel2->hide();
    const QString typed = ui->cxTextEdit1->currentText();
    ui->cxTextEdit1->clear();
    ui->cxTextEdit1->setEditText(typed);
    const QStringList names = activeUserNames();
    ui->cxTextEdit1->addItems(names);
    ui->cxTextEdit1->setEditText(typed);
}

void TPassw::FormKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    if (QWidget *focus = focusWidget(); focus == ui->cxTextEdit1 || focus == ui->cxTextEdit1->lineEdit()) {
        ui->cxTextEdit2->setFocus();
        ui->cxTextEdit2->selectAll(); // typing replaces the preset password
    } else if (focus == ui->cxTextEdit2)
        ui->cButton1->click();
}

void TPassw::FormKeyUp(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 && event->modifiers().testFlag(Qt::ControlModifier))
        close();
}

void TPassw::cButton1Click()
{
    const QString name = ui->cxTextEdit1->currentText();
    const std::optional<int> userKey = findActiveUser(name.trimmed(), ui->cxTextEdit2->text());
    if (!userKey) {
        ++m_failedAttempts;
        MessageBoxes::Box box;
        box.buttons = QMessageBox::Ok;
        if (m_failedAttempts >= allowedAttempts) {
            box.parent = this;
            box.title = applicationTitle();
            box.text = QStringLiteral("Vous n'avez le droit qu'au 3 essais...");
            MessageBoxes::show(box);
            close();
            return;
        }
        box.icon = QMessageBox::Critical;
        box.title = QStringLiteral("Erreur");
        box.text = QStringLiteral("utilisateur eronnée");
        box.stayOnTop = true;
        MessageBoxes::show(box);
        ui->cxTextEdit1->setFocus();
        return;
    }

    const QString key = QString::number(*userKey);
    m_state.setCurrentUser(key, name);
    OptionStore &options = m_state.options();
    options.open();
    const QString station = m_state.stationIdentifier();
    const auto ticked = [&](const QString &option) {
        return options.ReadString(option, QStringLiteral("True"), station, key) == QLatin1String("True");
    };
    const bool discountWindow = ticked(OptionKey::discountWindow);
    const bool printAfterValidation = ticked(OptionKey::printAfterValidation);
    const bool printPreview = ticked(OptionKey::printPreview);
    m_state.setAfterValidationOptions(discountWindow, printAfterValidation, printPreview);
    if (key == QLatin1String("1"))
        m_state.enableAdministratorButtons();
    m_tag = 10;
    close();
}

void TPassw::cxButton4Click()
{
    const bool masked = ui->cxTextEdit2->echoMode() == QLineEdit::Password;
    ui->cxTextEdit2->setEchoMode(masked ? QLineEdit::Normal : QLineEdit::Password);
}

void TPassw::SpeedButton8Click()
{
    close();
}

void TPassw::done(int result)
{
    QDialog::done(result);
    if (m_tag == 0)
        m_state.endProgram();
}
