#include "tools/talvo-db/demo_seed.h"

#include "data/database.h"
#include "platform/ean13.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

const QString insertUser
    = QStringLiteral("EXECUTE PROCEDURE UTILISA_IU(:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE)");
const QString insertRegister
    = QStringLiteral("insert into CAISSE (CLE_CAISSE, CAISSE, OBS) values (:CLE, :CAISSE, :OBS)");
const QString insertSale = QStringLiteral(
    "insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, REMIS, VERSMENT, VALIDE, OBS,\n"
    "  POSTE_ID, NUM_GLOBAL, CLE_TIERS, DATE_VENTE, CLE_UTILSA, CLE_USER_VALIDE)\n"
    "values (:CLE, :N_VENT, :CODE, :MONTANT, :REMIS, :VERSMENT, :VALIDE, :OBS, :POSTE, :NUM_GLOBAL, NULL, :DATE,\n"
    "  :UTILSA, :CLE_USER_VALIDE)");
const QString insertLine = QStringLiteral(
    "insert into ARTICLE_VENT_COMPTOIR (CLE_COMPTOIR_AUTO, NUM_VENT, DAT_TIME_VENT, QTT, PRIX, CLE_PRODUIT, DES,\n"
    "  COLISAGE, CARTON, CODE_BRRE_VENTE, CLE_VENT_AUTO, MONTANT_ARTICLE_APRE_RESTOURNE)\n"
    "values (:CLE, :NUM_VENT, :DATE, :QTT, :PRIX, :CLE_PRODUIT, :DES, :COLISAGE, :CARTON, :CODE, :CLE_VENTE, "
    ":MONTANT)");

struct Article
{
    int key;
    const char *designation;
    double price;
};

const Article articles[] = {
    { 101, "Lait demi-écrémé 1L", 95.00 },
    { 102, "Pain baguette", 15.00 },
    { 103, "Huile de tournesol 5L", 650.00 },
    { 104, "Sucre blanc 1kg", 110.00 },
    { 105, "Café moulu 250g", 320.00 },
    { 106, "Eau minérale 1,5L (pack de 6)", 210.00 },
    { 107, "Semoule fine 1kg", 130.00 },
    { 108, "Pâtes spaghetti 500g", 75.50 },
    { 109, "Tomate concentrée 400g", 120.00 },
    { 110, "Fromage fondu en portions x16", 255.00 },
    { 111, "Yaourt nature x4", 140.00 },
    { 112, "Lessive en poudre 4kg, format familial avec doseur, parfum fraîcheur du matin", 1250.00 },
    { 113, "تمر دقلة نور 1 كغ", 680.00 },
    { 114, "Thé vert à la menthe 100g", 165.25 },
};

QString saleBarcode(int saleKey)
{
    const QString twelve = QStringLiteral("20") + QString::number(saleKey).rightJustified(10, QLatin1Char('0'));
    return twelve + QString::number(ean13CheckDigit(twelve));
}

} // namespace

void seedDemoData()
{
    Database &db = Database::instance();
    db.execute(insertUser, { 1, DemoUsers::adminName, DemoUsers::adminPassword, "Administrateur", "False", "Gérant" });
    db.execute(insertUser, { 2, DemoUsers::cashierName, DemoUsers::cashierPassword, "Caisse 1", "False", "Caissier" });
    db.execute(insertUser, { 3, DemoUsers::blockedName, "ancien", "Parti en 2025", "True", "Caissier" });
    db.execute(insertRegister, { 1, "Caisse principale", "Entrée du magasin" });
    db.execute(insertRegister, { 2, "Caisse rapide", "Moins de 10 articles" });

    // Two days back, yesterday and today: sale numbers restart each day, so the
    // same number appears on several days. Sales before today are validated, two
    // by two under one ticket number.
    QRandomGenerator random(20261211);
    const QDate today = QDate::currentDate();
    const int salesPerDay[] = { 4, 5, 8 };
    int saleKey = 0;
    int lineKey = 0;
    int ticket = 0;
    for (int dayBack = 2; dayBack >= 0; --dayBack) {
        const QDate day = today.addDays(-dayBack);
        for (int number = 1; number <= salesPerDay[2 - dayBack]; ++number) {
            ++saleKey;
            const QDateTime when(day, QTime(8, 30).addSecs(number * 1370 + int(random.bounded(600))));
            const QString code = saleBarcode(saleKey);
            const int lineCount = 1 + int(random.bounded(5));
            double amount = 0;
            QList<QVariantList> lines;
            for (int l = 0; l < lineCount; ++l) {
                const Article &article = articles[random.bounded(int(std::size(articles)))];
                const double quantity = 1 + int(random.bounded(3));
                const double lineAmount = std::round(quantity * article.price * 100) / 100;
                amount += lineAmount;
                lines.append({ ++lineKey, number, when, quantity, article.price, article.key,
                    QString::fromUtf8(article.designation), 1, 0, code, saleKey, lineAmount });
            }
            const bool validated = dayBack > 0;
            if (validated && number % 2 == 1)
                ++ticket;
            db.execute(insertSale,
                { saleKey, number, code, amount, validated ? QVariant(0.0) : QVariant(),
                    validated ? QVariant(amount) : QVariant(), validated ? "True" : QVariant(), QVariant(),
                    "COMPTOIR-01", validated ? QVariant(ticket) : QVariant(), when, "vendeur",
                    validated ? QVariant(2) : QVariant() });
            for (const QVariantList &line : lines)
                db.execute(insertLine, line);
        }
    }
    // A ticket's amount paid is the whole basket's, repeated on each of its sales.
    db.execute(
        QStringLiteral("update VENT_COMTPOI_CODEBARRE v set VERSMENT = (select sum(MONTANT) from "
                       "VENT_COMTPOI_CODEBARRE t where t.NUM_GLOBAL = v.NUM_GLOBAL) where NUM_GLOBAL is not null"));
    // One of today's sales was reopened: "False" is open like NULL.
    db.execute(
        QStringLiteral("update VENT_COMTPOI_CODEBARRE set VALIDE = 'False' where CLE_AUTO_VENT = :CLE"), { saleKey });
}
