// talvo-db: makes and fills TALVO databases.
//   talvo-db create DATABASE              the schema, in a new database (a path, or host:path)
//   talvo-db seed DATABASE                demonstration data
//   talvo-db seed DATABASE --sales N      N counter sales of five lines, for benchmarks
//   talvo-db set-password PASSWORD        the database user's password, kept beside the programs
//   talvo-db receipt-layout FILE          writes the receipt layout the program carries, to edit

#include "data/database.h"
#include "data/database_creation.h"
#include "data/database_password.h"
#include "printing/receipt.h"
#include "tools/talvo-db/bulk_seed.h"
#include "tools/talvo-db/demo_seed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

int usage()
{
    err << "usage: talvo-db create DATABASE\n"
           "       talvo-db seed DATABASE [--sales N]\n"
           "       talvo-db set-password PASSWORD\n"
           "       talvo-db receipt-layout FILE\n";
    return 2;
}

void openDatabase(const QString &name)
{
    Database &db = Database::instance();
    db.setDatabaseName(name);
    db.setPassword(loadDatabasePassword());
    db.open();
}

int run(const QStringList &args)
{
    if (args.size() == 2 && args[0] == QLatin1String("set-password")) {
        saveDatabasePassword(args[1]);
        out << "password written to " << databasePasswordFile() << "\n";
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("receipt-layout")) {
        QDir().mkpath(QFileInfo(args[1]).path());
        QFile file(args[1]);
        if (!file.open(QIODevice::WriteOnly) || file.write(builtInReceiptLayout().toXml()) < 0)
            throw AppError(QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(args[1], file.errorString()));
        out << "receipt layout written to " << args[1] << "\n";
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("create")) {
        createDatabaseFromSchema(args[1], loadDatabasePassword());
        out << "created " << args[1] << "\n";
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("seed")) {
        openDatabase(args[1]);
        seedDemoData();
        out << "demo data written to " << args[1] << "\n";
        return 0;
    }
    if (args.size() == 4 && args[0] == QLatin1String("seed") && args[2] == QLatin1String("--sales")) {
        bool ok = false;
        const int sales = args[3].toInt(&ok);
        if (!ok || sales < 1)
            return usage();
        openDatabase(args[1]);
        QElapsedTimer clock;
        clock.start();
        seedBulkSales(sales, [&](int done, int total) {
            out << QStringLiteral("\r%1 / %2 counter sales (%3 s)")
                       .arg(done)
                       .arg(total)
                       .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
            out.flush();
        });
        out << "\n";
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const AppError &error) {
        err << error.message() << "\n";
        return 1;
    }
}
