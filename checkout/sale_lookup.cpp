#include "checkout/sale_lookup.h"

namespace {
const QString byBarcode = QStringLiteral(
    "Select * from VENT_COMTPOI_CODEBARRE Where (VALIDE is  null or VALIDE ='False') and (CODE_BRRE=:T)");
const QString byNumber
    = QStringLiteral("Select * from VENT_COMTPOI_CODEBARRE Where (VALIDE is  null or VALIDE ='False') and (N_VENT=:T)");
const QString Mordif_bon = QStringLiteral(
    "select  *\n"
    "From ARTICLE_VENT_COMPTOIR\n"
    "where (NUM_VENT=:NUM_VENT) and (DAT_TIME_VENT=:DAT_TIME_VENT) and (CODE_BRRE_VENTE=:CODE_BRRE_VENTE)");
} // namespace

Rows openSalesByBarcode(const QString &code)
{
    return Database::instance().select(byBarcode, { code });
}

Rows openSalesByNumber(double number)
{
    return Database::instance().select(byNumber, { number });
}

Rows saleLines(int nVent, const QDateTime &dateVente, const QString &codeBarre)
{
    return Database::instance().select(Mordif_bon, { nVent, dateVente, codeBarre });
}
