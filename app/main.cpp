#include "app/UFliste_vent_comptoir_codebarre.h"
#include "data/database.h"
#include "platform/error_report.h"

#include <QApplication>
#include <cstdlib>

namespace {

// Last line of defence: an error that escaped its handler is reported, and the
// program goes on.
class TalvoApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        bool handled = false;
        guarded([&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    TalvoApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *window = new TFliste_vent_comptoir_codebarre;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->FormCreate({});
    // However the program ends (Qt calls exit() itself when the display goes
    // away), the connection is closed before the database client's own exit
    // handlers run, so that its shutdown finds no attachment left.
    std::atexit([] { Database::instance().close(); });
    window->showMaximized();
    return app.exec();
}
