#pragma once

#include "app/UFliste_vent_comptoir_codebarre.h"
#include "tests/support/test_database.h"

#include <QTemporaryDir>
#include <memory>

class TPassw;

// The main window started as at a checkout station: a working folder whose
// Ch.txt names a fresh test database, the start-up sequence (no splash), and the
// login window it opens.
class RunningStation
{
public:
    // Starts with the demo data, or with an empty database.
    explicit RunningStation(bool demoData = true);
    ~RunningStation();

    TFliste_vent_comptoir_codebarre &window() { return *m_window; }
    TestDatabase &database() { return *m_database; }

    static TPassw *loginWindow();
    int basketRows() const { return m_window->basket().size(); }
    // Logs in through the login window; false when it did not close.
    bool logIn(const QString &name, const QString &password);

    template<typename T = QWidget> T *child(const char *name)
    {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

private:
    std::unique_ptr<TestDatabase> m_database;
    QTemporaryDir m_folder;
    std::unique_ptr<TFliste_vent_comptoir_codebarre> m_window;
};
