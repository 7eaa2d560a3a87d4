#include "data/option_store.h"

#include "data/database.h"

namespace {
const QString selectAll = QStringLiteral("Select *\nfrom OPTION_CAISSE");
const QString updateParam
    = QStringLiteral("update OPTION_CAISSE set PARAM = :PARAM\n"
                     "where ID_POSTE = :ID_POSTE and CLE_UTILSATEUR = :CLE_UTILSATEUR and OPTI = :OPTI");
const QString insertOption = QStringLiteral("insert into OPTION_CAISSE (OPTI, PARAM, ID_POSTE, CLE_UTILSATEUR)\n"
                                            "values (:OPTI, :PARAM, :ID_POSTE, :CLE_UTILSATEUR)");
} // namespace

void OptionStore::open()
{
    const Rows rows = Database::instance().select(selectAll);
    m_rows.clear();
    for (const QSqlRecord &row : rows) {
        const QVariant param = row.value(QStringLiteral("PARAM"));
        m_rows.append({ row.value(QStringLiteral("OPTI")).toString(), param.isNull() ? QString() : param.toString(),
            row.value(QStringLiteral("ID_POSTE")).toString(), row.value(QStringLiteral("CLE_UTILSATEUR")).toInt() });
    }
}

OptionStore::Option *OptionStore::find(const QString &Section, const QString &ID, const QString &Cle_util)
{
    const int user = Cle_util.toInt();
    for (Option &option : m_rows) {
        if (option.idPoste == ID && option.cleUtilisateur == user && option.opti == Section)
            return &option;
    }
    return nullptr;
}

QString OptionStore::ReadString(
    const QString &Section, const QString &defaults, const QString &ID, const QString &Cle_util) const
{
    const Option *option = const_cast<OptionStore *>(this)->find(Section, ID, Cle_util);
    return option && !option->param.isNull() ? option->param : defaults;
}

void OptionStore::writeString(const QString &Section, const QString &Value, const QString &ID, const QString &Cle_util)
{
    const int user = Cle_util.toInt();
    if (Option *option = find(Section, ID, Cle_util)) {
        Database::instance().execute(updateParam, { Value, ID, user, Section });
        option->param = Value;
    } else {
        Database::instance().execute(insertOption, { Section, Value, ID, user });
        m_rows.append({ Section, Value, ID, user });
    }
}
