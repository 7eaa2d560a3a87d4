#include "checkout/basket.h"

#include <QSqlField>

int Basket::find(int nVent, const QDateTime &dateVente, const QString &codeBarre) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        const BasketRow &row = m_rows[i];
        if (row.N_vent == nVent && row.Date_Vente == dateVente && row.code_barre == codeBarre)
            return i;
    }
    return -1;
}

int Basket::findNumber(int nVent) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].N_vent == nVent)
            return i;
    }
    return -1;
}

int Basket::add(const QSqlRecord &sale, const QString &codeBarre)
{
    BasketRow row;
    row.Utilsa = sale.value(QStringLiteral("CLE_UTILSA")).toString().left(30);
    row.ID_POSTE = sale.value(QStringLiteral("POSTE_ID")).toString();
    row.N_vent = sale.value(QStringLiteral("N_VENT")).toInt();
    row.Montant = sale.value(QStringLiteral("MONTANT")).toDouble();
    row.Date_Vente = sale.value(QStringLiteral("DATE_VENTE")).toDateTime();
    row.code_barre = codeBarre.left(20);
    m_rows.append(row);
    return int(m_rows.size()) - 1;
}

void Basket::removeAt(int row)
{
    m_rows.removeAt(row);
}

void Basket::clear()
{
    m_rows.clear();
}

double Basket::total() const
{
    double sum = 0;
    for (const BasketRow &row : m_rows)
        sum += row.Montant;
    return sum;
}

QList<QSqlRecord> Basket::records() const
{
    QSqlRecord shape;
    shape.append(QSqlField(QStringLiteral("Utilsa"), QMetaType(QMetaType::QString)));
    shape.append(QSqlField(QStringLiteral("ID_POSTE"), QMetaType(QMetaType::QString)));
    shape.append(QSqlField(QStringLiteral("N_vent"), QMetaType(QMetaType::Int)));
    shape.append(QSqlField(QStringLiteral("Client"), QMetaType(QMetaType::QString)));
    shape.append(QSqlField(QStringLiteral("Montant"), QMetaType(QMetaType::Double)));
    shape.append(QSqlField(QStringLiteral("Date_Vente"), QMetaType(QMetaType::QDateTime)));
    shape.append(QSqlField(QStringLiteral("code_barre"), QMetaType(QMetaType::QString)));
    QList<QSqlRecord> records;
    for (const BasketRow &row : m_rows) {
        QSqlRecord record = shape;
        record.setValue(0, row.Utilsa);
        record.setValue(1, row.ID_POSTE);
        record.setValue(2, row.N_vent);
        record.setValue(3, row.Client);
        record.setValue(4, row.Montant);
        record.setValue(5, row.Date_Vente);
        record.setValue(6, row.code_barre);
        records.append(record);
    }
    return records;
}
