#include "data/database_password.h"

#include "platform/error_report.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {
const QByteArray mask = QByteArrayLiteral("TALVO/caisse/Voderez az Orezirized");
const QByteArray prefix = QByteArrayLiteral("talvo1:");

QByteArray masked(QByteArray bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ mask[i % mask.size()]);
    return bytes;
}
} // namespace

QString databasePasswordFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TALVO.key");
}

QString encodeDatabasePassword(const QString &password)
{
    return QString::fromLatin1(prefix + masked(password.toUtf8()).toBase64());
}

QString decodeDatabasePassword(const QString &encoded)
{
    const QByteArray text = encoded.trimmed().toLatin1();
    if (!text.startsWith(prefix))
        throw AppError(QStringLiteral("Le mot de passe de la base dans \"%1\" est illisible : écrivez-le de nouveau "
                                      "avec « talvo-db set-password ».")
                           .arg(databasePasswordFile()));
    return QString::fromUtf8(masked(QByteArray::fromBase64(text.mid(prefix.size()))));
}

QString loadDatabasePassword()
{
    QFile file(databasePasswordFile());
    if (!file.exists())
        return QString();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Impossible de lire \"%1\" : %2").arg(file.fileName(), file.errorString()));
    return decodeDatabasePassword(QString::fromLatin1(file.readAll()));
}

void saveDatabasePassword(const QString &password)
{
    QSaveFile file(databasePasswordFile());
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(file.fileName(), file.errorString()));
    file.write(encodeDatabasePassword(password).toLatin1() + '\n');
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    if (!file.commit())
        throw AppError(QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(file.fileName(), file.errorString()));
}
