// One checkout station validating baskets as fast as it can, for the
// concurrency test: validation_worker DATABASE USER_KEY VALIDATIONS SEED.
// Prints a line per validation: "OK number key,key,..." or "REFUSED".

#include "checkout/validation.h"
#include "data/database.h"
#include "data/database_password.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    try {
        Database &db = Database::instance();
        db.setDatabaseName(args.at(1));
        db.setPassword(loadDatabasePassword());
        db.open();
        const QString userKey = args.at(2);
        const int validations = args.at(3).toInt();
        QRandomGenerator random(args.at(4).toUInt());

        QList<QPair<int, BasketRow>> pool; // sale key, basket row
        for (const QSqlRecord &sale : db.select("select * from VENT_COMTPOI_CODEBARRE where VALIDE is null")) {
            BasketRow row;
            row.N_vent = sale.value("N_VENT").toInt();
            row.Date_Vente = sale.value("DATE_VENTE").toDateTime();
            row.Montant = sale.value("MONTANT").toDouble();
            pool.append({ sale.value("CLE_AUTO_VENT").toInt(), row });
        }
        for (int i = 0; i < validations; ++i) {
            QList<BasketRow> basket;
            QStringList keys;
            double total = 0;
            const int size = 1 + int(random.bounded(3));
            while (basket.size() < size) {
                const auto &[key, row] = pool.at(random.bounded(int(pool.size())));
                if (keys.contains(QString::number(key)))
                    continue;
                basket.append(row);
                keys.append(QString::number(key));
                total += row.Montant;
            }
            try {
                const int number = validateBasket(basket, 0, total, userKey);
                out << "OK " << number << ' ' << keys.join(',') << Qt::endl;
            } catch (const SalesNoLongerOpen &) {
                out << "REFUSED" << Qt::endl;
            }
        }
    } catch (const AppError &error) {
        out << "ERROR " << error.message() << Qt::endl;
        return 1;
    }
    return 0;
}
