#include "tests/support/running_station.h"

#include "users/password.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

RunningStation::RunningStation(bool demoData)
    : m_database(std::make_unique<TestDatabase>())
{
    if (demoData)
        m_database->seedDemo();
    QFile settings(m_folder.filePath(QStringLiteral("Ch.txt")));
    settings.open(QIODevice::WriteOnly);
    settings.write("TALVO\r\nMagasin test\r\n\r\n" + m_database->path().toUtf8() + "\r\n");
    settings.close();
    QDir::setCurrent(m_folder.path());
    m_window = std::make_unique<TFliste_vent_comptoir_codebarre>();
    m_window->FormCreate({ 0, QStringLiteral("DISK-TEST") });
    m_window->show();
}

RunningStation::~RunningStation()
{
    delete loginWindow();
    m_window.reset();
}

TPassw *RunningStation::loginWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *login = qobject_cast<TPassw *>(widget); login && login->isVisible())
            return login;
    }
    return nullptr;
}

bool RunningStation::logIn(const QString &name, const QString &password)
{
    if (!QTest::qWaitFor([] { return loginWindow() != nullptr; }))
        return false;
    TPassw *login = loginWindow();
    login->findChild<QComboBox *>(QStringLiteral("cxTextEdit1"))->setEditText(name);
    login->findChild<QLineEdit *>(QStringLiteral("cxTextEdit2"))->setText(password);
    login->findChild<QPushButton *>(QStringLiteral("cButton1"))->click();
    if (!QTest::qWaitFor([] { return loginWindow() == nullptr; }))
        return false;
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get());
}
