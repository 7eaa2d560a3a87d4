#include "data/database_creation.h"

#include "platform/error_report.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

QString schemaScript()
{
    QFile file(QStringLiteral(":/talvo/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Le schéma de la base manque au programme."));
    return QString::fromUtf8(file.readAll());
}

void createDatabaseFromSchema(const QString &databaseName, const QString &password)
{
    if (databaseName.contains(QLatin1Char('\'')))
        throw AppError(QStringLiteral("Nom de base refusé (apostrophe) : %1").arg(databaseName));

    QTemporaryFile script;
    if (!script.open())
        throw AppError(QStringLiteral("Impossible d'écrire un fichier temporaire : %1").arg(script.errorString()));
    // The credentials come from the environment, so they are written nowhere.
    script.write(
        QStringLiteral("CREATE DATABASE '%1' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;\n").arg(databaseName).toUtf8());
    script.write(schemaScript().toUtf8());
    script.close();

    QProcess isql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ISC_USER"), QStringLiteral("SYSDBA"));
    env.insert(QStringLiteral("ISC_PASSWORD"), password);
    isql.setProcessEnvironment(env);
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"),
        { QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-ch"), QStringLiteral("UTF8"),
            QStringLiteral("-i"), script.fileName() });
    if (!isql.waitForStarted())
        throw AppError(QStringLiteral("isql-fb est introuvable : installez firebird3.0-utils."));
    isql.waitForFinished(-1);
    const QString output = QString::fromLocal8Bit(isql.readAll()).trimmed();
    if (isql.exitStatus() != QProcess::NormalExit || isql.exitCode() != 0 || !output.isEmpty())
        throw AppError(QStringLiteral("Création de la base \"%1\" impossible :\n%2").arg(databaseName, output));
}
