#include "platform/app_title.h"

#include <QCoreApplication>
#include <QFileInfo>

QString applicationTitleFor(const QString &programPath)
{
    const QString fileName = QFileInfo(programPath).fileName();
    const QString name = fileName.left(fileName.indexOf(QLatin1Char('.')));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}
