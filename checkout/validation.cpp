#include "checkout/validation.h"

#include "data/database.h"

#include <QSet>

namespace {

const QString takeTurn = QStringLiteral("update TALVO_NUMEROTATION set VALIDATIONS = VALIDATIONS + 1 where CLE = 1");
const QString MAX_V = QStringLiteral("Select MAX(NUM_GLOBAL)as nbr\nFrom VENT_COMTPOI_CODEBARRE");
// The basket's sales that are still open, read in one statement.
QString stillOpenSales(qsizetype saleCount)
{
    QStringList each;
    for (qsizetype i = 0; i < saleCount; ++i)
        each.append(QStringLiteral("(N_VENT=? and DATE_VENTE=?)"));
    return QStringLiteral("select N_VENT, DATE_VENTE from VENT_COMTPOI_CODEBARRE\n"
                          "where (VALIDE is null or VALIDE='False') and (%1)")
        .arg(each.join(QStringLiteral(" or ")));
}
const QString Upate_VENT_COMTPOI_CODEBARRE = QStringLiteral("Update VENT_COMTPOI_CODEBARRE\n"
                                                            "Set REMIS=:REMIS,\n"
                                                            "    VERSMENT=:VERSMENT,\n"
                                                            "    VALIDE='True' ,\n"
                                                            "    NUM_GLOBAL=:N,\n"
                                                            " CLE_USER_VALIDE=:CLE_USER_VALIDE\n"
                                                            "WHere (N_VENT=:N_VENT) and (DATE_VENTE=:DATE_VENTE)");

// A validation waiting for another station's turn gets an update conflict when
// that one commits; it then starts again and reads the new largest number.
const int maxAttempts = 100;

int validateOnce(const QList<BasketRow> &rows, double discount, double paid, const QString &userKey)
{
    Database &db = Database::instance();
    int number = 0;
    db.inTransaction([&] {
        if (db.execute(takeTurn) != 1)
            throw AppError(QStringLiteral("La table TALVO_NUMEROTATION de la base n'a pas sa ligne 1 : "
                                          "la numérotation des tickets est impossible."));
        QVariantList keys;
        for (const BasketRow &row : rows)
            keys << row.N_vent << row.Date_Vente;
        QSet<QPair<int, QDateTime>> open;
        for (const QSqlRecord &sale : db.select(stillOpenSales(rows.size()), keys))
            open.insert({ sale.value(0).toInt(), sale.value(1).toDateTime() });
        QList<int> closed;
        for (const BasketRow &row : rows) {
            if (!open.contains({ row.N_vent, row.Date_Vente }))
                closed.append(row.N_vent);
        }
        if (!closed.isEmpty())
            throw SalesNoLongerOpen(closed);

        number = largestTicketNumber() + 1;
        for (const BasketRow &row : rows)
            db.execute(Upate_VENT_COMTPOI_CODEBARRE, { discount, paid, number, userKey, row.N_vent, row.Date_Vente });
    });
    return number;
}

} // namespace

namespace {
QString noLongerOpenMessage(const QList<int> &numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    const QString which = numbers.size() == 1
        ? QStringLiteral("la vente n° %1 n'est plus en attente").arg(texts.first())
        : QStringLiteral("les ventes n° %1 ne sont plus en attente").arg(texts.join(QStringLiteral(", ")));
    return QStringLiteral("Validation refusée : %1 (validée entre-temps à un autre poste). Retirez-la du panier, "
                          "puis validez de nouveau ; rien n'a été enregistré.")
        .arg(which);
}
} // namespace

SalesNoLongerOpen::SalesNoLongerOpen(const QList<int> &numbers)
    : AppError(noLongerOpenMessage(numbers))
    , saleNumbers(numbers)
{
}

int largestTicketNumber()
{
    return Database::instance().select(MAX_V).first().value(0).toInt(); // NULL reads as 0
}

int validateBasket(const QList<BasketRow> &rows, double discount, double paid, const QString &userKey)
{
    if (rows.isEmpty())
        return 0;
    for (int attempt = 1;; ++attempt) {
        try {
            return validateOnce(rows, discount, paid, userKey);
        } catch (const DbError &error) {
            if (!error.isUpdateConflict() || attempt == maxAttempts)
                throw;
        }
    }
}
