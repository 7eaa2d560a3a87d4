#include "tools/talvo-db/bulk_seed.h"

#include "data/database.h"

#include <QDateTime>

namespace {

// One batch of counter sales, keys FIRST_KEY..LAST_KEY. Barcodes are "21" and the
// key on ten digits, with their EAN-13 check digit. 400 sales a day, numbered
// from 1 each day, going back from TODAY_END; ticket numbers follow the keys.
// Variables in the INSERTs are written :"NAME": Firebird wants the colon there,
// and the quotes keep Qt from taking them for parameters of its own.
const QString fillBatch = QStringLiteral(R"(
EXECUTE BLOCK (FIRST_KEY INTEGER = ?, LAST_KEY INTEGER = ?, OPEN_FROM INTEGER = ?, TOTAL INTEGER = ?,
               TODAY_END TIMESTAMP = ?)
AS
DECLARE K INTEGER;
DECLARE J INTEGER;
DECLARE S INTEGER;
DECLARE L INTEGER;
DECLARE AGE INTEGER;
DECLARE N INTEGER;
DECLARE CODE VARCHAR(13);
DECLARE WHEN_SOLD TIMESTAMP;
DECLARE AMOUNT NUMERIC(18, 2);
DECLARE QTY NUMERIC(18, 3);
DECLARE PRICE NUMERIC(18, 4);
BEGIN
  K = FIRST_KEY;
  WHILE (K <= LAST_KEY) DO
  BEGIN
    CODE = '21' || LPAD(K, 10, '0');
    S = 0;
    J = 1;
    WHILE (J <= 12) DO
    BEGIN
      S = S + CAST(SUBSTRING(CODE FROM J FOR 1) AS INTEGER) * IIF(MOD(J, 2) = 0, 3, 1);
      J = J + 1;
    END
    CODE = CODE || MOD(10 - MOD(S, 10), 10);
    AGE = TOTAL - K;
    N = 400 - MOD(AGE, 400);
    WHEN_SOLD = DATEADD(SECOND, -(MOD(AGE, 400) * 90) - 60, DATEADD(DAY, -(AGE / 400), TODAY_END));
    AMOUNT = 0;
    L = 1;
    WHILE (L <= 5) DO
    BEGIN
      QTY = 1 + MOD(K + L, 3);
      PRICE = 10 + MOD(K * 7 + L * 13, 500) + 0.25;
      INSERT INTO ARTICLE_VENT_COMPTOIR (CLE_COMPTOIR_AUTO, NUM_VENT, DAT_TIME_VENT, QTT, PRIX, CLE_PRODUIT, DES,
        COLISAGE, CARTON, CODE_BRRE_VENTE, CLE_VENT_AUTO, MONTANT_ARTICLE_APRE_RESTOURNE)
      VALUES ((:"K" - 1) * 5 + :"L", :"N", :"WHEN_SOLD", :"QTY", :"PRICE", 1000 + MOD(:"K" + :"L" * 31, 2000),
        'Article ' || (1000 + MOD(:"K" + :"L" * 31, 2000)), 1, 0, :"CODE", :"K", :"QTY" * :"PRICE");
      AMOUNT = AMOUNT + QTY * PRICE;
      L = L + 1;
    END
    IF (K < OPEN_FROM) THEN
      INSERT INTO VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, REMIS, VERSMENT, VALIDE,
        POSTE_ID, NUM_GLOBAL, DATE_VENTE, CLE_UTILSA, CLE_USER_VALIDE)
      VALUES (:"K", :"N", :"CODE", :"AMOUNT", 0, :"AMOUNT", 'True', 'COMPTOIR-01', :"K", :"WHEN_SOLD", 'vendeur', 2);
    ELSE
      INSERT INTO VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, POSTE_ID, DATE_VENTE, CLE_UTILSA)
      VALUES (:"K", :"N", :"CODE", :"AMOUNT", 'COMPTOIR-01', :"WHEN_SOLD", 'vendeur');
    K = K + 1;
  END
END)");

const int batchSize = 20000;
const int openSales = 1000;

} // namespace

void seedBulkSales(int sales, const std::function<void(int, int)> &progress)
{
    Database &db = Database::instance();
    const QDateTime todayEnd(QDate::currentDate(), QTime(20, 0));
    const int openFrom = std::max(1, sales - openSales + 1);
    for (int first = 1; first <= sales; first += batchSize) {
        const int last = std::min(sales, first + batchSize - 1);
        db.execute(fillBatch, { first, last, openFrom, sales, todayEnd });
        progress(last, sales);
    }
}
