#include "data/Base_stock.h"

#include "data/database.h"
#include "data/database_password.h"
#include "platform/text_lines.h"

namespace {
const QString settingsFile = QStringLiteral("Ch.txt");

AppError missingLine(int lineNumber, const QString &what, qsizetype lineCount)
{
    return AppError(QStringLiteral("Le fichier de connexion \"%1\" n'a que %2 ligne(s) : la ligne %3 (%4) manque.")
                        .arg(settingsFile)
                        .arg(lineCount)
                        .arg(lineNumber)
                        .arg(what));
}
} // namespace

TDataModule1::TDataModule1(std::function<void(const QString &)> showWorkingFolder)
    : m_showWorkingFolder(std::move(showWorkingFolder))
{
}

void TDataModule1::DataModuleCreate()
{
    Database &db = Database::instance();
    db.close();
    db.setDatabaseName(QString());

    const QStringList lines = readTextLines(settingsFile);
    if (lines.size() < 2)
        throw missingLine(2, QStringLiteral("dossier de travail"), lines.size());
    m_showWorkingFolder(lines[1]);
    if (lines.size() < 4)
        throw missingLine(4, QStringLiteral("base de données"), lines.size());
    // Given as it stands: a local path for the embedded engine, or host:path.
    db.setDatabaseName(lines[3]);
    db.setPassword(loadDatabasePassword());
    db.open();
}
