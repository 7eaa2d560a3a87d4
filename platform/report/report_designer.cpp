#include "platform/report/report_designer.h"

#include "platform/error_report.h"
#include "platform/report/report_render.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QVBoxLayout>

ReportDesigner::ReportDesigner(
    const ReportLayout &layout, const QString &filePath, const QList<QSqlRecord> &sampleRows, QWidget *parent)
    : QDialog(parent)
    , m_filePath(filePath)
    , m_rows(sampleRows)
    , m_editor(new QPlainTextEdit(this))
    , m_preview(new QLabel(this))
    , m_problem(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Modifier Etat — %1").arg(QDir::toNativeSeparators(filePath)));
    m_editor->setObjectName(QStringLiteral("layoutText"));
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setPlainText(QString::fromUtf8(layout.toXml()));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->setWordWrap(true);
    m_preview->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(460);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(QStringLiteral("Enregistrer"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("saveButton"));
    buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    connect(save, &QPushButton::clicked, this, guard(this, &ReportDesigner::saveClick));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The preview follows the text, a moment after typing stops.
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(300);
    connect(&m_refresh, &QTimer::timeout, this, &ReportDesigner::refreshPreview);
    connect(m_editor, &QPlainTextEdit::textChanged, &m_refresh, qOverload<>(&QTimer::start));

    auto *panes = new QHBoxLayout;
    panes->addWidget(m_editor, 1);
    panes->addWidget(scroll);
    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(panes, 1);
    layoutBox->addWidget(m_problem);
    layoutBox->addWidget(buttons);
    resize(1100, 750);
    refreshPreview();
}

void ReportDesigner::refreshPreview()
{
    try {
        const ReportLayout layout = ReportLayout::fromXml(m_editor->toPlainText().toUtf8());
        m_preview->setPixmap(QPixmap::fromImage(renderReportImage(prepareReport(layout, m_rows), 5)));
        m_problem->clear();
    } catch (const AppError &error) {
        m_problem->setText(error.message());
    }
}

void ReportDesigner::saveClick()
{
    const QByteArray text = m_editor->toPlainText().toUtf8();
    ReportLayout::fromXml(text); // refuses a layout that would not read back
    QDir().mkpath(QFileInfo(m_filePath).path());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw AppError(QStringLiteral("Impossible d'enregistrer \"%1\" : %2").arg(m_filePath, file.errorString()));
    accept();
}
